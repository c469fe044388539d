// Opening the playback device: 44,100 Hz, signed 16-bit little-endian mono, on
// ALSA's `default` device, in short periods of a long buffer.

#include "platform/alsa/alsa_device.h"

#include "platform/stream/stream.h"
#include "platform/wave_image.h"

namespace korvane::alsa {
namespace {

// A long buffer lets the program be kept from running for that long without a
// gap in the sound; it holds twice the stream's lead.
constexpr unsigned kPeriodMicroseconds = 10000;
constexpr unsigned kBufferMicroseconds =
    2 * stream::kLeadFrames * 1'000'000 / platform::kSampleRate;

bool configure_hardware(snd_pcm_t* pcm, snd_pcm_uframes_t& period_frames) {
    snd_pcm_hw_params_t* hw = nullptr;
    snd_pcm_hw_params_alloca(&hw);
    unsigned period_us = kPeriodMicroseconds;
    unsigned buffer_us = kBufferMicroseconds;
    return snd_pcm_hw_params_any(pcm, hw) >= 0 &&
           snd_pcm_hw_params_set_access(pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED) >= 0 &&
           snd_pcm_hw_params_set_format(pcm, hw, SND_PCM_FORMAT_S16_LE) >= 0 &&
           snd_pcm_hw_params_set_channels(pcm, hw, 1) >= 0 &&
           snd_pcm_hw_params_set_rate(pcm, hw, platform::kSampleRate, 0) >= 0 &&
           snd_pcm_hw_params_set_period_time_near(pcm, hw, &period_us, nullptr) >= 0 &&
           snd_pcm_hw_params_set_buffer_time_near(pcm, hw, &buffer_us, nullptr) >= 0 &&
           snd_pcm_hw_params(pcm, hw) >= 0 &&
           snd_pcm_hw_params_get_period_size(hw, &period_frames, nullptr) >= 0;
}

// Prepared again once set: PulseAudio's ALSA plugin takes its own start (its
// prebuffer) from these settings only when the device is prepared, and would
// otherwise start the sound as soon as a period arrives, without the lead.
bool configure_software(snd_pcm_t* pcm, snd_pcm_uframes_t period_frames) {
    snd_pcm_sw_params_t* sw = nullptr;
    snd_pcm_sw_params_alloca(&sw);
    return snd_pcm_sw_params_current(pcm, sw) >= 0 &&
           snd_pcm_sw_params_set_start_threshold(pcm, sw, stream::kLeadFrames) >= 0 &&
           snd_pcm_sw_params_set_avail_min(pcm, sw, period_frames) >= 0 &&
           snd_pcm_sw_params(pcm, sw) >= 0 && snd_pcm_prepare(pcm) >= 0;
}

}  // namespace

snd_pcm_t* open_default_device() {
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        return nullptr;
    }
    snd_pcm_uframes_t period_frames = 0;
    if (!configure_hardware(pcm, period_frames) || !configure_software(pcm, period_frames)) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    return pcm;
}

}  // namespace korvane::alsa
