#pragma once
/* Identifiers of the pictures built into corvella.exe (read by the resource
   compiler too, so plain C). */
#define CORVELLA_PROGRAM_ICON 1
#define CORVELLA_TRAY_ICON 101
#define CORVELLA_SPLASH_PICTURE 102
