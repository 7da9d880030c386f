// Helpers shared by the window-layer tests.
#pragma once

#include "tests/support/ScriptedUi.h"
#include "tests/support/TestSupport.h"
#include "tests/wnd/TestResources.h"

#include <gtest/gtest-spi.h>

#include <string>
#include <vector>

// The text of a window, or of a parent's child.
inline CString TextOf(const CWnd& window)
{
    CString text;
    window.GetWindowText(text);
    return text;
}

inline CString TextOf(CWnd& parent, int nID)
{
    CString text;
    parent.GetDlgItemText(nID, text);
    return text;
}

// The texts of the combo box's items, in order.
inline std::vector<CString> Items(const CComboBox& combo)
{
    std::vector<CString> texts(combo.GetCount());
    for (int i = 0; i < combo.GetCount(); ++i)
        combo.GetLBText(i, texts[i]);
    return texts;
}

// A hidden top-level frame; destroying its window deletes it.
inline CFrameWnd* NewFrame()
{
    CFrameWnd* frame = new CFrameWnd;
    EXPECT_TRUE(frame->Create(nullptr, "frame"));
    return frame;
}

// A message box as text, caption and type; and those of every box the script answered.
inline std::string Box(const CString& text, const CString& caption, UINT type)
{
    return text.Bytes() + " | " + caption.Bytes() + " | " + std::to_string(type);
}

inline std::vector<std::string> Boxes(const ScriptedUi& ui)
{
    std::vector<std::string> boxes;
    for (const MessageBoxRequest& box : ui.messageBoxes)
        boxes.push_back(Box(box.text, box.caption, box.type));
    return boxes;
}

// Expects body to fail the test at once with message, as an unscripted dialog does.
#define EXPECT_UNSCRIPTED(body, message)                                                                               \
    EXPECT_NONFATAL_FAILURE(                                                                                           \
        try { body; } catch (const UnscriptedUi&){}, message)
