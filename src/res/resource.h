#pragma once
// Resource ids of the Setup Program (dialog templates, strings, icon, controls).

#define IDD_ABOUTBOX 100
#define IDD_MAIN 102
#define IDD_INSTALL_PATH 129
#define IDD_DRIVER_PROGRESS 130
#define IDD_BUSY 131

#define IDS_ABOUTBOX 101
#define IDS_SELECT_INSTALL_PATH 102

#define IDR_MAINFRAME 128

#define IDC_TYPE_LIST 1000
#define IDC_LANGUAGE_LIST 1001
#define IDC_INSTALL 1002
#define IDC_DRIVER_HIDDEN 1008
#define IDC_TYPE_LABEL 1015
#define IDC_LANGUAGE_LABEL 1016
#define IDC_USB_DRIVER 1017

#define IDM_ABOUTBOX 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
