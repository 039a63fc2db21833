// Opens the default sound device the way a program that does nothing about
// the sound libraries' own messages would: whatever OpenAL and ALSA print
// about a missing device reaches standard error. The quiet-start test runs it
// first to know that its silence check means something on this machine.
// Exit 0 when a device opened, 1 when there is none.

#include <AL/alc.h>

int main() {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device) return 1;
    alcCloseDevice(device);
    return 0;
}
