#include "platform/speicher.h"

// The system allocator is left as it is here.
void SpeicherverwaltungEinrichten() {}
