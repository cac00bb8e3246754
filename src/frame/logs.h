// Every module's log, each writing to its own file in output/.
#pragma once

#include "frame/logfile.h"

extern LogFile log_cBatiment;
extern LogFile log_cHumanoide;
extern LogFile log_cMonk;
extern LogFile log_Combat;
extern LogFile log_cPaysan;
extern LogFile log_Ddraw_text;
extern LogFile log_Ddutil;
extern LogFile log_Ddebug_Sprites;
extern LogFile log_Decors;
extern LogFile log_Dix;
extern LogFile log_Dix8;
extern LogFile log_Edit;
extern LogFile log_Event;
extern LogFile log_Fsm_Base_Orc;
extern LogFile log_Icone;
extern LogFile log_Init_Env;
extern LogFile log_output_F1;
extern LogFile log_global_trace;
extern LogFile log_main;
extern LogFile log_Map;
extern LogFile log_Menu;
extern LogFile log_menu_save;
extern LogFile log_Menu_Save_Load;
extern LogFile log_Money;
extern LogFile log_Motion;
extern LogFile log_Poll_IO;
extern LogFile log_Fake_save;
extern LogFile log_Fake_read;
extern LogFile log_Saveload;
extern LogFile log_Selection;
extern LogFile log_Souris;
extern LogFile log_sprites;
extern LogFile log_std_box;
extern LogFile log_Std_Boxes;
extern LogFile log_Tab_Icones;
extern LogFile log_Util;
extern LogFile log_Utils_Fsm_Base_Orc;
extern LogFile log_Verif_Map;
extern LogFile log_Weapons;
extern LogFile log_Zone_Game;
extern LogFile log_Zone_Interactive;
extern LogFile log_Zone_Scenario;
