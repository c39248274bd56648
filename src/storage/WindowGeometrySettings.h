#pragma once

// A window's saved position and size; -1 means never saved.
struct WindowGeometrySettings {
    int top = -1;
    int left = -1;
    int height = -1;
    int width = -1;

    bool hasPosition() const { return top != -1; }
    bool hasSize() const { return height > 0 && width > 0; }

    bool operator==(const WindowGeometrySettings&) const = default;
};
