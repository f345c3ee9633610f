#pragma once

// Shows the first failed write of the configuration in a run as a message.
void wireConfigWriteNotice();
