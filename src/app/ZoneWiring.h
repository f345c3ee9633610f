#pragma once

class Main;

// The main window's zone link opens the zone window (one for the whole run,
// made on first use, without modality).
void wireZonePing(Main &main);
