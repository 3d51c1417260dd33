// Resource numbers of the Windows programs, shared by the resource script and the code that loads
// them.
#pragma once

// The program's icon. Number 1 is also the icon that Explorer and the task bar show for the .exe.
#define TARVEX_ICON 1
