#pragma once

// Gives the memory the program has freed back to the system. The allocator keeps freed memory
// for later allocations, and keeps what a worker thread freed for that thread alone: after a
// large piece of work (a search of a hundred thousand customers, the word index read in the
// background, every page of a long report counted) tens of megabytes would stay with the
// process though nothing uses them.
void returnFreedMemory();
