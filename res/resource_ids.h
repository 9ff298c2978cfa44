#pragma once

// Bands by kind: menus 1xx, icons 2xx, dialogs 3xx, menu commands 5xx,
// controls of dialog 301 7xx, of dialog 302 8xx, of dialog 303 11xx.

#define IDM_TRAY 101

#define IDI_APP 201

#define IDD_CONFIG 301
#define IDD_SPECIAL_KEY 302
#define IDD_ABOUT 303

#define IDM_CONFIGURE 511
#define IDM_HELP 512
#define IDM_ABOUT 513
#define IDM_EXIT 514

// Dialog 301: tens digit the kind of control, units digit the slot 1 to 4.
#define IDC_JOYSTICK_LIST 711
#define IDC_CHOOSE_KEY_1 721
#define IDC_CHOOSE_KEY_2 722
#define IDC_CHOOSE_KEY_3 723
#define IDC_CHOOSE_KEY_4 724
#define IDC_BUTTON_FIELD_1 731
#define IDC_BUTTON_FIELD_2 732
#define IDC_BUTTON_FIELD_3 733
#define IDC_BUTTON_FIELD_4 734
#define IDC_KEY_FIELD_1 741
#define IDC_KEY_FIELD_2 742
#define IDC_KEY_FIELD_3 743
#define IDC_KEY_FIELD_4 744

// Dialog 302: one radio button per key without a character.
#define IDC_KEY_UP 811
#define IDC_KEY_DOWN 812
#define IDC_KEY_LEFT 813
#define IDC_KEY_RIGHT 814
#define IDC_KEY_ALT 815
#define IDC_KEY_SHIFT 816
#define IDC_KEY_INSERT 817
#define IDC_KEY_DELETE 818
#define IDC_KEY_HOME 819
#define IDC_KEY_END 820
#define IDC_KEY_PAGE_UP 821
#define IDC_KEY_CTRL 822
#define IDC_KEY_PAGE_DOWN 823
#define IDC_KEY_ENTER 824

#define IDC_ABOUT_TEXT 1101

#define IDC_STATIC -1
