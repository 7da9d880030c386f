// The resources of the display tests: a Japanese data-entry dialog, a small modeless one and the hosts of
// the editors and of a floppy-output page.
#pragma once

enum UiTestResourceId : unsigned {
    IDD_APPLICANT = 9501,   // "申請者の入力": a label, an edit, combo boxes, a check box, a report list, buttons
    IDD_NOTICE = 9502,      // "お知らせ": a label and a close button, shown modeless
    IDD_EDITOR_HOST = 9503, // "共通データ": an empty window that hosts a reference-data editor
    IDD_MODAL_EDITOR_HOST = 9504, // "共通データ": a taller modal one, for the designer editor
    IDD_FDOUT_PAGE_HOST = 9505    // "ＦＤ出力": a modal window that hosts a floppy-output page at (10, 30)
};

enum UiTestControlId : int {
    IDC_APPLICANT_LABEL = 1101,
    IDC_APPLICANT_NAME,
    IDC_APPLICANT_KIND,
    IDC_APPLICANT_AGREE,
    IDC_APPLICANT_LIST,
    IDC_APPLICANT_ADD,
    IDC_APPLICANT_PLACE,         // 1107: an editable combo box
    IDC_APPLICANT_BROWSE = 5101, // wxID_CANCEL to wx
    IDC_NOTICE_TEXT = 1201
};
