#include "app/CAboutDlg.h"

#include "res/MainFrameIds.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
