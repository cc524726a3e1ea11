#pragma once
// Memory allocation for a program that builds several screen-sized images per map
// rebuild. Left to its defaults, the C library hands every large image fresh pages
// from the system and takes them back when the image goes; touching those pages again
// at every rebuild costs as much as the composition itself. Called once at start.
void SpeicherverwaltungEinrichten();
