#pragma once

#include <Qt>

struct KeyboardSettings;

// What a key does in a data-entry window under the keyboard preferences.
enum class DataEntryKey {
    None,          // the box handles the key as usual
    NextField,     // Enter (Enter as Tab) and the Up arrow (PageDown as Save)
    PreviousField, // the Down arrow (PageDown as Save)
    Save,          // Page Up and Page Down (PageDown as Save)
    Cancel,        // Escape (PageDown as Save)
};

// The action of a key pressed in an edit box of a data-entry window; grids
// keep their own keys and are not asked. Whether Save and Cancel fire also
// depends on their buttons being enabled, which the window checks.
DataEntryKey dataEntryKey(const KeyboardSettings& keyboard, int key,
                          Qt::KeyboardModifiers modifiers = Qt::NoModifier);
