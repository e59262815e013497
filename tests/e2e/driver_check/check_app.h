#pragma once
// Control ids of the driver's check program.
#define IDD_CHECK 100
#define IDC_CHECK_EDIT 1100
#define IDC_CHECK_BOX 1101
#define IDC_CHECK_SHOW 1102
#define IDC_CHECK_EVENT 1103
#define IDC_CHECK_LIST 1104
