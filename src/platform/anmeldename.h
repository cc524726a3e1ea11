#pragma once
// The account name of the user running the program, as the operating system keeps it.
#include <QString>

// Empty when the system cannot tell (no account entry for the user).
QString AnmeldenameDesSystems();
