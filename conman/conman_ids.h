// The commands and dialogs of the stand-in Container Manager.
#ifndef KYVO_CONMAN_IDS_H
#define KYVO_CONMAN_IDS_H

#define IDM_NEW_CONTAINER 6
#define IDM_ADD_FILES 10
#define IDM_EXIT 14

#define IDR_CONMAN_MENU 100
#define IDD_CREATE 200
#define IDD_ADD 201
#define IDC_PATH 1001
#define IDC_ENTRIES 1002

#endif
