#pragma once

namespace media {

// Why reading, measuring or encoding a film gave no result. Each comes with a message for the
// user; None is the only success.
enum class Problem {
    None,
    MissingTool,   // ffprobe or ffmpeg is not installed
    Unreadable,    // no such file, a folder, no permission
    Empty,         // a file of 0 bytes
    NotAFilm,      // ffprobe cannot read it, or it holds no picture and no sound
    AudioOnly,     // sound but no picture
    Truncated,     // the file ends before the play time it announces
    TimedOut,      // the tool took longer than its time limit
    ToolFailed,    // the tool stopped with an error
    Cancelled,     // the user stopped it
    OutputExists,  // the output is there and overwriting it was not agreed
    BadOutput,     // the output cannot be written where asked
};

}  // namespace media
