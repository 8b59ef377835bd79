// An empty translation unit: it keeps a library target valid before its first
// source file lands.
