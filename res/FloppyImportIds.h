// The ids of the application floppy's import dialogs: the floppy contents (7608, whose template
// id stands with the main frame's) and the destination with the property name (7609).
#pragma once

#define IDD_FD_IMPORT_SAVE 7609

// The floppy contents dialog (7608).
#define IDC_FI_EDIT_KIND 16014
#define IDC_FI_BTN_READ 16028
#define IDC_FI_EDIT_DATE 16029
#define IDC_FI_EDIT_NAME 16030
#define IDC_FI_BTN_BROWSE 14055
#define IDC_FI_EDIT_DRIVE 14056

// The destination dialog (7609).
#define IDC_FS_EDIT_FOLDER 16012
#define IDC_FS_BTN_FOLDER 16018
#define IDC_FS_EDIT_NAME 16030
