// Ids of the form views: their view templates, the title controls on them, and the templates of
// the pages (modeless child dialogs) they host.
#pragma once

// View templates of the floppy-output screens and of the application list.
#define IDD_FV_CAFM11 6602
#define IDD_FV_CAFM51 6612
#define IDD_FV_CAFM52 6617
#define IDD_FV_CAFM53 6619
#define IDD_FV_CAFM54 6620
#define IDD_FV_CAFM55 6621
#define IDD_FV_CAFM12 6626
#define IDD_FV_CAFM13 6627
#define IDD_FV_CAFM14 6629
#define IDD_FV_CAFM15 6630
#define IDD_FV_CAFM16 6634
#define IDD_FV_CAFM32 6639
#define IDD_FV_CAFM31 6640
#define IDD_FV_CAHJ0100 7610

// View templates of the reference-data editors.
#define IDD_FV_CACM01 5112
#define IDD_FV_CACM02 5113
#define IDD_FV_CACM03 5114
#define IDD_FV_CACM04 5115
#define IDD_FV_CACM05 5116
#define IDD_FV_CACM06 5117
#define IDD_FV_CACM07 5118
#define IDD_FV_CACM08 5119
#define IDD_FV_CACM09 5120

// Title controls.
#define IDC_TITLE_14021 14021
#define IDC_TITLE_14023 14023
#define IDC_TITLE_14024 14024
#define IDC_TITLE_14025 14025
#define IDC_TITLE_14026 14026
#define IDC_TITLE_14051 14051

// Page templates: the floppy-output pages and the application list.
#define IDD_FDOUT51 6604
#define IDD_FDOUT11 6607
#define IDD_FDOUT12 6610
#define IDD_FDOUT52 6618
#define IDD_FDOUT53 6623
#define IDD_FDOUT54 6624
#define IDD_FDOUT55 6625
#define IDD_FDOUT13 6628
#define IDD_FDOUT14 6631
#define IDD_FDOUT15 6632
#define IDD_FDOUT16 6633
#define IDD_FDOUT32 6637
#define IDD_FDOUT31 6638
#define IDD_SHINSEISHO_LIST 7611
