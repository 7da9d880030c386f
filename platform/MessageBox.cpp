#include "platform/MessageBox.h"

std::vector<RecordedMessageBox>& RecordedMessageBoxes()
{
    static std::vector<RecordedMessageBox> boxes;
    return boxes;
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT help)
{
    RecordedMessageBoxes().push_back({text ? text : "", type});
    return IDOK;
}
