#pragma once

// Resource numbers, shared by the resource script and the code.
#define IDI_QUAV 1
#define IDB_LOGO 101
#define IDB_LOGO_HIGHLIGHT 102
#define IDB_CLEAR 103
#define IDB_COPY_ARROW 104
#define IDB_ARROW 105
