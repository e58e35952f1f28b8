// The SDL audio backend: the wave-output device, sample conversion, and the stored master volume.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include "sound/wave_format.h"
#include "sound/wave_out.h"

// Each ring buffer holds this many frames unless a length is asked for: 128 frames (5.8 ms), so that a new
// sound, mixed into the next buffer refilled and queued behind the others, is due at the device within
// about 30 ms.
constexpr uint32_t kDefaultBufferFrames = 128;
// Where only the main loop reports (once a frame, about every 17 ms in a browser, longer when the page is
// busy), the ring must outlast several frames: 512 frames a buffer, about 115 ms queued.
constexpr uint32_t kMainLoopBufferFrames = 512;

// Starts SDL's audio with the named driver ("" for SDL's own choice, "dummy", or "disk" recording into
// file) and returns the wave-output device over it, its ring buffers bufferBytes long (0: the default).
// Its master volume is read back from the per-user settings file. Never null: without any audio output
// the device simply refuses to open, and *ready (when given) says so.
std::unique_ptr<CWaveOut> sys_audio_create_device(const std::string& driver, const std::string& file,
                                                  uint32_t bufferBytes = 0, bool* ready = nullptr);

// Devices opened after this call report finished buffers only when the main loop asks (sys_audio_poll), not
// from a thread of their own: a browser page plays without threads. Chosen once, before the first sound.
void sys_audio_report_from_main_loop(bool on);
// Reports the buffers the device has consumed since the last call; called once a frame by such a main loop.
void sys_audio_poll();

// Converts sound data between formats with SDL's audio streams; *out is a new heap block (std::free).
// False when either format is not one SDL converts (PCM of 8, 16 or 32 bits, 32-bit float).
bool sys_audio_convert(const WaveFormat& from, const WaveFormat& to, const uint8_t* data, uint32_t length,
                       uint8_t** out, uint32_t* out_length);

// The per-user master volume: $XDG_CONFIG_HOME/vorlaine/audio.conf, or ~/.config/vorlaine/audio.conf.
// Empty when neither folder can be named.
std::string sys_audio_volume_path();
// Reads the stored volume word; false (and *volume untouched) when there is none or it is unreadable.
bool sys_audio_volume_load(uint32_t* volume);
bool sys_audio_volume_save(uint32_t volume);
// Scales unsigned 8-bit samples around 128 by a volume word (interleaved stereo, or mono by the low word).
void sys_audio_apply_volume(uint8_t* samples, int length, int channels, uint32_t volume);
