/* What Tormesk Kyvo and the Container Manager agree on: the main window's
   class and title, the commands it takes and the captions of its two
   dialogs. Read by the driver, by the stand-in's code and resource script,
   and by the tests, so it holds nothing but definitions a resource compiler
   understands. */
#ifndef KYVO_CONTAINER_CONMAN_CONTRACT_H
#define KYVO_CONTAINER_CONMAN_CONTRACT_H

#define CONMAN_PROGRAM "ConMan.exe"
#define CONMAN_CLASS "TConManForm"
#define CONMAN_TITLE "Container Manager"

/* WM_COMMAND ids of the main window. */
#define CONMAN_CMD_NEW_CONTAINER 6
#define CONMAN_CMD_ADD_FILES 10
#define CONMAN_CMD_EXIT 14

/* The dialogs: class "#32770", one edit control each, accepted with IDOK. */
#define CONMAN_CREATE_CAPTION "Create new Container"
#define CONMAN_ADD_CAPTION "Add Files to Container"

/* The backup of a container it overwrites: the name's extension replaced,
   so Tmk_Kyvo_abc.gob is backed up as Tmk_Kyvo_abc.~go. */
#define CONMAN_BACKUP_EXTENSION ".~go"

#endif
