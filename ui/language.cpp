// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language.h"

#include "case/case_record.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

namespace language {

Language current()
{
    return languageOf(theCase());
}

void setCurrent(Language language)
{
    theCase().Language = std::int16_t(language);
}

void applyToApplication(Language language)
{
    static QTranslator *translator = nullptr;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    if (language == Language::English) {
        QApplication::setLayoutDirection(Qt::LeftToRight);
    } else {
        QApplication::setLayoutDirection(Qt::RightToLeft);
        auto *t = new QTranslator;
        if (t->load(QLocale(QLocale::Arabic), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(t);
            translator = t;
        } else {
            delete t;
        }
    }
}

void applyDirection(QWidget *window, Language language)
{
    window->setLayoutDirection(language == Language::English ? Qt::LeftToRight : Qt::RightToLeft);
}

} // namespace language
