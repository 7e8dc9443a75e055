#pragma once

class Form2;

// The one way to the result window. Creates it, hidden, when there is none (at first use, or
// after the user closed it, which destroys it) and otherwise returns the open one.
Form2 *GetResultWindow();
