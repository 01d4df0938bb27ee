#pragma once

// Asks the driver to wait for the vertical blank at each buffer swap, through
// whichever of GLX_EXT_swap_control, GLX_MESA_swap_control and
// GLX_SGI_swap_control it offers. Needs a current context; true when one of
// them took the request.
bool requestVerticalSync();
