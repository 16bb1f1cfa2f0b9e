// A module that exports the sound module's entry point by name, but as data:
// bytes that crash whoever calls them.
extern "C" {
__attribute__((visibility("default"))) unsigned char pelmora_make_sound_player[] = {0x0f, 0x0b};
}
