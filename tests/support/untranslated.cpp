// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/untranslated.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QXmlStreamReader>

namespace testing_support {

namespace {
template <typename F>
void readMessages(const QString& tsPath, F each)
{
    QFile f(tsPath);
    if (!f.open(QIODevice::ReadOnly)) return;
    QXmlStreamReader xml(&f);
    QString source, translation;
    bool unfinished = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("source")) source = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            translation = xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            each(source, translation, unfinished);
        }
    }
}

// "&Open" is read without its mark, as a window shows it; "&&" is a plain "&".
QChar accessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

void repeated(const QString& where, const QStringList& texts, QStringList& out)
{
    QHash<QChar, int> seen;
    for (const QString& t : texts)
        if (QChar k = accessKey(t); !k.isNull() && ++seen[k] == 2) out << where + QStringLiteral(": ") + k;
}
}  // namespace

QSet<QString> templateSources(const QString& tsPath)
{
    QSet<QString> sources;
    readMessages(tsPath, [&](const QString& s, const QString&, bool) { sources.insert(s); });
    return sources;
}

QHash<QString, QString> finishedTranslations(const QString& tsPath)
{
    QHash<QString, QString> done;
    readMessages(tsPath, [&](const QString& s, const QString& t, bool unfinished) {
        if (!unfinished && !t.isEmpty()) done.insert(s, t);
    });
    return done;
}

QStringList untranslatedTexts(QWidget* window, const QSet<QString>& sources)
{
    QStringList found;
    // a source text with placeholders is shown filled in: " (Level %1)" as " (Level 1)"
    QList<QRegularExpression> filled;
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (const QString& s : sources) {
        if (!s.contains(placeholder)) continue;
        QStringList parts;
        for (const QString& part : s.split(placeholder)) parts << QRegularExpression::escape(part);
        filled << QRegularExpression(QRegularExpression::anchoredPattern(parts.join(QStringLiteral(".*"))));
    }
    auto isSource = [&](const QString& text) {
        if (sources.contains(text)) return true;
        for (const QRegularExpression& r : filled)
            if (r.match(text).hasMatch()) return true;
        return false;
    };
    auto check = [&](const QObject* o, const QString& text) {
        if (!text.isEmpty() && isSource(text)) found << o->objectName() + QStringLiteral(": ") + text;
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (w->isWindow()) check(w, w->windowTitle());
        check(w, w->toolTip());
        check(w, w->accessibleName());
        if (auto* l = qobject_cast<QLabel*>(w)) check(l, l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) check(b, b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) check(g, g->title());
        if (auto* m = qobject_cast<QMenu*>(w)) check(m, m->title());
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i) check(t, t->tabText(i));
        if (auto* t = qobject_cast<QTableWidget*>(w))
            for (int c = 0; c < t->columnCount(); ++c)
                if (QTableWidgetItem* h = t->horizontalHeaderItem(c)) {
                    check(t, h->text());
                    check(t, h->data(Qt::AccessibleTextRole).toString());
                }
        for (QAction* a : w->actions()) {
            check(a, a->text());
            check(a, a->toolTip() == QString(a->text()).remove(u'&') ? QString() : a->toolTip());
        }
    }
    return found;
}

QStringList repeatedAccessKeys(QWidget* window)
{
    QStringList out;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    QStringList controls;
    for (QWidget* w : widgets) {
        if (auto* m = qobject_cast<QMenu*>(w)) {
            QStringList items;
            for (QAction* a : m->actions()) items << a->text();
            repeated(m->objectName().isEmpty() ? m->title() : m->objectName(), items, out);
        }
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->window() == window) controls << b->text();
        if (auto* t = qobject_cast<QTabWidget*>(w); t && t->window() == window)
            for (int i = 0; i < t->count(); ++i) controls << t->tabText(i);
    }
    repeated(window->objectName(), controls, out);
    return out;
}

}  // namespace testing_support
