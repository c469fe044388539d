#pragma once
// Opening ALSA's `default` playback device for the shared stream.

#include <alsa/asoundlib.h>

namespace korvane::alsa {

// Opens and configures ALSA's `default` playback device without blocking (a
// device another program holds refuses at once); nullptr when it cannot.
snd_pcm_t* open_default_device();

}  // namespace korvane::alsa
