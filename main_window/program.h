#pragma once

class Form1;

// Sets the program's interface face, creates the main window, fills its lists, and shows it
// centred on the screen with the focus in the first colour list. The window deletes itself when
// closed.
Form1 *StartProgram();

// Ends the program at once: every window disappears and no further event of ours runs.
void EndProgram();
