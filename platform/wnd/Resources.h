// The program's resources as C++ tables: dialog templates (dialogs, form views and panels),
// menus and the string table, as a resource script gives them. Texts in the tables are UTF-8
// (u8"…" literals); the window layer converts them to CP932 where they enter a window object.
// Each file of tables registers itself at static initialisation with one AfxResourceSet;
// lookups find the first registered entry with the id.
#pragma once

#include "platform/core/CString.h"
#include "platform/wnd/WinUser.h"

#include <cstddef>

enum class ControlKind { Button, Edit, Static, ListBox, ComboBox, ListView };

// One control of a dialog template. Position and size are in dialog units; items are the
// initial entries of a combo box (null-terminated list, or null).
struct ControlResource {
    int id; // IDC_STATIC (-1) for a label that is never addressed
    ControlKind kind;
    const char* text;
    DWORD style; // WS_CHILD is implied
    DWORD exStyle;
    short x, y, cx, cy;
    const char* const* items = nullptr;
};

struct DialogResource {
    UINT id;
    const char* caption;
    const char* fontName;
    WORD pointSize;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    const ControlResource* controls;
    size_t controlCount;
};

// A menu item: a command, a separator (MF_SEPARATOR) or a popup (items given). Flags carry
// MF_GRAYED and MF_CHECKED as the script sets them.
struct MenuItemResource {
    UINT id;
    const char* text;
    UINT flags;
    const MenuItemResource* items = nullptr;
    size_t itemCount = 0;
};

struct MenuResource {
    UINT id;
    const MenuItemResource* items;
    size_t itemCount;
};

struct StringResource {
    UINT id;
    const char* text;
};

// Registers the tables of one file; the arrays must live for the whole run.
struct AfxResourceSet {
    AfxResourceSet(const DialogResource* dialogs, size_t dialogCount, const MenuResource* menus, size_t menuCount,
                   const StringResource* strings, size_t stringCount);
    const DialogResource* dialogs;
    size_t dialogCount;
    const MenuResource* menus;
    size_t menuCount;
    const StringResource* strings;
    size_t stringCount;
    mutable const AfxResourceSet* next; // the registration chain
};

const DialogResource* AfxFindDialogResource(UINT id);
const MenuResource* AfxFindMenuResource(UINT id);
// The UTF-8 text of a string-table entry, or null.
const char* AfxFindStringResource(UINT id);
// The string-table entry as CP932 text; FALSE (and an empty text) when there is none.
BOOL AfxLoadString(UINT id, CString& text);
// A table text as CP932.
CString AfxResourceText(const char* utf8);

// Pixels of a dialog-unit rectangle under a template's font: x by the font's average character
// width / 4, y by its height / 8, rounded to the nearest pixel. The base units come from the
// user-interface host (UiHost::DialogBaseUnits), which measures the real font when it has one.
void AfxMapDialogRect(const DialogResource& dialog, RECT& rect);
// The base units without a display: a font of n points is taken as a 96-dpi font of n * 96 / 72
// pixels height (rounded) whose average character is half as wide.
SIZE AfxFixedDialogBaseUnits(const DialogResource& dialog);
