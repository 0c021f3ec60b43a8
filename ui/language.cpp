// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language.h"

#include "case/case_record.h"
#include "ui/captions.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <QWidget>

namespace language {
namespace {

// Where Qt's own Arabic word reads as cut short (its Cancel is the bare
// imperative), the program's word from resources/captions/QtDialogs.json,
// keyed "<context>|<source text>". Anything else goes on to Qt's
// translations.
class OwnWords : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return captions::text(QStringLiteral("QtDialogs"),
                              QLatin1String(context) + QLatin1Char('|') + QLatin1String(source), Language::Arabic);
    }
    bool isEmpty() const override { return false; }
};

// An underlined access key splits an Arabic word into unjoined letters:
// in right-to-left text the keys work without being drawn.
class UnbrokenArabicStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_UnderlineShortcut && QGuiApplication::layoutDirection() == Qt::RightToLeft)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

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
    static OwnWords ownWords;
    static bool styled = false;
    if (!styled && qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QApplication::setStyle(new UnbrokenArabicStyle(QStyleFactory::create(QApplication::style()->name())));
        styled = true;
    }
    QCoreApplication::removeTranslator(&ownWords);
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
            QCoreApplication::installTranslator(&ownWords); // asked first
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
