// Every menu, control and resource id of the tool, named once.
#ifndef KYVO_APP_RESOURCE_H
#define KYVO_APP_RESOURCE_H

#define IDR_MAINMENU 501
#define IDI_KYVO 125

#define IDM_EXIT 101
#define IDM_CREDITS 102
#define IDM_NOTE 103
#define IDC_GENERATE 203

#endif
