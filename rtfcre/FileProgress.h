#pragma once
// Told how far a long load or save of a stroke file has come, so that a window
// can show it. Called on the thread that reads or writes the file.

class IFileProgress
{
public:
    virtual ~IFileProgress() = default;

    /// nDone runs from 0 to 1. A load stops when the answer is false; a save
    /// goes on whatever the answer.
    virtual bool Progress(double nDone) = 0;
};
