#include "DataEntryKeys.h"

#include "storage/SessionSettings.h"

DataEntryKey dataEntryKey(const KeyboardSettings& keyboard, int key,
                          Qt::KeyboardModifiers modifiers)
{
    // Shifted or controlled keys keep their usual meaning (Shift+Tab, Ctrl+Enter).
    if (modifiers & ~Qt::KeypadModifier)
        return DataEntryKey::None;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return keyboard.enterAsTab ? DataEntryKey::NextField : DataEntryKey::None;
    case Qt::Key_Escape:
        return keyboard.pgdnAsSave ? DataEntryKey::Cancel : DataEntryKey::None;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return keyboard.pgdnAsSave ? DataEntryKey::Save : DataEntryKey::None;
    case Qt::Key_Up:
        return keyboard.pgdnAsSave ? DataEntryKey::NextField : DataEntryKey::None;
    case Qt::Key_Down:
        return keyboard.pgdnAsSave ? DataEntryKey::PreviousField : DataEntryKey::None;
    default:
        return DataEntryKey::None;
    }
}
