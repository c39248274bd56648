#include "AutoCaps.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace
{

bool breaksWord(QChar c)
{
    return c == u' ' || c == u'-';
}

} // namespace

bool autoCapsApplies(AutoCapsRule rule, const TypingPoint& point)
{
    const bool selected = point.selectionStart >= 0 && point.selectionLength > 0;
    // A typed letter replaces the selection, so it lands where the selection starts.
    const int at = selected ? point.selectionStart : point.cursor;

    if (rule == AutoCapsRule::WordStart)
        return at <= 0 || breaksWord(point.text.at(at - 1));
    if (rule == AutoCapsRule::NameList)
        return at <= 0 || point.text.isEmpty() ||
               QStringView(u" .-,&/").contains(point.text.back());
    if (rule == AutoCapsRule::OwnerPick)
        return at <= 0 || QStringView(u" .-,/").contains(point.text.at(at - 1));

    if (point.text.isEmpty())
        return true;
    if (selected && point.selectionStart == 0 && point.selectionLength >= point.text.size())
        return true;
    return breaksWord(point.text.back());
}

AutoCapsFilter::AutoCapsFilter(AutoCapsRule rule, QObject* parent) : QObject(parent), rule_(rule) {}

void AutoCapsFilter::watch(QObject* box)
{
    box->installEventFilter(this);
}

bool AutoCapsFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (!enabled_ || event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    if (typed.size() != 1 || !typed.at(0).isLetter() || !typed.at(0).isLower())
        return false;

    TypingPoint point;
    point.text = watched->property("text").toString();
    point.cursor = watched->property("cursorPosition").toInt();
    const QVariant start = watched->property("selectionStart");
    point.selectionStart = start.isValid() ? start.toInt() : -1;
    point.selectionLength = watched->property("selectedText").toString().size();
    if (!autoCapsApplies(rule_, point))
        return false;

    // A key event cannot be changed on its way, so the capital is sent in its place.
    QKeyEvent capital(QEvent::KeyPress, key->key(), key->modifiers() | Qt::ShiftModifier,
                      typed.toUpper(), key->isAutoRepeat(), ushort(key->count()));
    QCoreApplication::sendEvent(watched, &capital);
    return true;
}
