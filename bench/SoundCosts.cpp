// What the sound code spends, measured side by side (run with
// --benchmark_enable_random_interleaving, as tools/measure-sound-costs.sh does):
// - the sound module's load at the first sound, checked (read, digest,
//   sealed copy) against a plain dlopen of its path, as it was loaded before;
// - a sound heard before, found among the converted clips by its bytes,
//   against decoding and converting it again, to the format of a common
//   desktop sound server (48 kHz, 32-bit float, stereo).
// Usage: sound_costs MODULE WAV [Google Benchmark options]
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <cstdio>
#include <string>

#include "program/ModuleLoader.h"
#include "ui/sound/ClipCache.h"
#include "ui/sound/SoundFile.h"
#include "ui/sound/WavClip.h"
#include "ui/sound/WavReader.h"

namespace pelmora {
namespace {

std::string modulePath;
std::string wavPath;
const sound::AudioFormat kServerFormat{AUDIO_F32SYS, 2, 48000};

std::vector<std::uint8_t> readWav() {
    auto file = sound::SoundFile::open(wavPath);
    auto wav = file ? sound::readBoundedWav(*file) : std::nullopt;
    return wav ? *wav : std::vector<std::uint8_t>{};
}

// Unloading the module would unload SDL and its libraries with it, whose
// own load is the same either way: they are held here.
void holdSdl() {
    static void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_GLOBAL);
    (void)sdl;
}

void BM_ModuleLoadedByPath(benchmark::State& state) {
    holdSdl();
    for (auto _ : state) {
        void* module = dlopen(modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) state.SkipWithError("the module does not load");
        benchmark::DoNotOptimize(dlsym(module, "pelmora_make_sound_player"));
        dlclose(module);
    }
}
BENCHMARK(BM_ModuleLoadedByPath);

void BM_ModuleCheckedAndLoaded(benchmark::State& state) {
    holdSdl();
    for (auto _ : state) {
        const auto bytes = readBuiltModule(modulePath, kBuiltSoundModule);
        void* module = bytes ? loadModule(*bytes) : nullptr;
        if (!module) state.SkipWithError("the module is not the one this build made");
        benchmark::DoNotOptimize(exportedFunction(module, "pelmora_make_sound_player"));
        dlclose(module);
    }
}
BENCHMARK(BM_ModuleCheckedAndLoaded);

void BM_ClipFoundByItsBytes(benchmark::State& state) {
    sound::ClipCache cache;
    const auto wav = readWav();
    cache.keep(wav, *sound::WavClip::decode(wav)->convertedTo(kServerFormat));
    for (auto _ : state) {
        const auto again = readWav();
        benchmark::DoNotOptimize(cache.find(again, kServerFormat));
    }
}
BENCHMARK(BM_ClipFoundByItsBytes);

void BM_ClipDecodedAndConverted(benchmark::State& state) {
    for (auto _ : state) {
        const auto again = readWav();
        benchmark::DoNotOptimize(sound::WavClip::decode(again)->convertedTo(kServerFormat));
    }
}
BENCHMARK(BM_ClipDecodedAndConverted);

}  // namespace
}  // namespace pelmora

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: sound_costs MODULE WAV [benchmark options]\n");
        return 2;
    }
    pelmora::modulePath = argv[1];
    pelmora::wavPath = argv[2];
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
