/* The resources of the stand-in Container Manager; its commands and dialog
   captions are the contract's. */
#ifndef KYVO_CONMAN_IDS_H
#define KYVO_CONMAN_IDS_H

#include "container/conman_contract.h"

#define IDM_NEW_CONTAINER CONMAN_CMD_NEW_CONTAINER
#define IDM_ADD_FILES CONMAN_CMD_ADD_FILES
#define IDM_EXIT CONMAN_CMD_EXIT

#define IDR_CONMAN_MENU 100
#define IDD_CREATE 200
#define IDD_ADD 201
#define IDC_PATH 1001
#define IDC_ENTRIES 1002

#endif
