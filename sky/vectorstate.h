#pragma once

// Qt 6.4's string hashing uses the processor's wide vector registers and leaves their upper
// halves marked in use. Until they are cleared, every scalar floating-point instruction of code
// built for plain x86-64, this program's and the maths library's, runs up to ten times slower.
// Each loop of many positions clears them first; elsewhere, and on other processors, it does
// nothing.
void clearUpperVectorState();
