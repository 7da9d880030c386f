// The resources of the display tests: a Japanese data-entry dialog and a small modeless one.
#pragma once

enum UiTestResourceId : unsigned {
    IDD_APPLICANT = 9501, // "申請者の入力": a label, an edit, a list-only combo box, a check box,
                          // a report list, a button with an id that wx keeps for itself, an
                          // editable combo box, OK and Cancel
    IDD_NOTICE = 9502     // "お知らせ": a label and a close button, shown modeless
};

enum UiTestControlId : int {
    IDC_APPLICANT_LABEL = 1101,
    IDC_APPLICANT_NAME = 1102,
    IDC_APPLICANT_KIND = 1103,
    IDC_APPLICANT_AGREE = 1104,
    IDC_APPLICANT_LIST = 1105,
    IDC_APPLICANT_ADD = 1106,
    IDC_APPLICANT_BROWSE = 5101, // wxID_CANCEL to wx
    IDC_APPLICANT_PLACE = 1107,  // an editable combo box
    IDC_NOTICE_TEXT = 1201
};
