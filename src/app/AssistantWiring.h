#pragma once

class Main;

// Opens the level-up and skills windows from the main window's links. Each
// window is made on first use, exists once for the run and opens without
// modality; a click while it is open brings it to the front.
void wireAssistants(Main &main);
