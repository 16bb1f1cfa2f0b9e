// The sound system is loaded at the first sound and not before, plays
// through the module once loaded, and falls back to the default sound when
// the module cannot be loaded; only a function is called as its entry point.
#include <dlfcn.h>

#include <QCoreApplication>
#include <QFile>
#include <QTest>

#include "program/DeferredSoundPlayer.h"
#include "program/ModuleLoader.h"
#include "program/SoundModule.h"

namespace pelmora {
namespace {

// Whether a library whose file name contains `name` is mapped into this
// process.
bool mapped(const QByteArray& name) {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

}  // namespace

class DeferredSoundTest : public QObject {
    Q_OBJECT
private slots:
    void soundSystemLoadsAtTheFirstSound() {
        int defaultSounds = 0;
        DeferredSoundPlayer player(soundModulePath(), [&] { ++defaultSounds; });
        QVERIFY2(!mapped("libSDL2"), "SDL is loaded before any sound is played");
        QVERIFY(!player.loaded());

        player.playAndWait(PELMORA_TEST_WAV);
        QVERIFY(player.loaded());
        QVERIFY(mapped("libSDL2"));
        QCOMPARE(defaultSounds, 0);

        // The module's player falls back to the same default sound.
        player.playAndWait(PELMORA_TEST_WAV ".missing");
        QCOMPARE(defaultSounds, 1);
    }

    void unloadableModulePlaysTheDefaultSound_data() {
        QTest::addColumn<QString>("module");
        QTest::newRow("missing") << soundModuleBeside("pelmora-no-such-module.so");
        QTest::newRow("not a library") << QString(PELMORA_TEST_WAV);
    }

    void unloadableModulePlaysTheDefaultSound() {
        QFETCH(QString, module);
        int defaultSounds = 0;
        DeferredSoundPlayer player(QFile::encodeName(module).toStdString(), [&] { ++defaultSounds; });
        player.playAndWait(PELMORA_TEST_WAV);
        player.playAndWait(PELMORA_TEST_WAV);
        QVERIFY(!player.loaded());
        QCOMPARE(defaultSounds, 2);
    }

    // Only a function is ever called by the entry point's name.
    void theEntryPointMustBeAFunction() {
        void* dataEntry = dlopen(PELMORA_DATA_ENTRY_MODULE, RTLD_NOW | RTLD_LOCAL);
        QVERIFY(dataEntry && dlsym(dataEntry, kMakeSoundPlayerSymbol));
        QVERIFY(exportedFunction(dataEntry, kMakeSoundPlayerSymbol) == nullptr);
        const auto built = readBuiltModule(soundModulePath(), kBuiltSoundModule);
        QVERIFY(built);
        void* module = loadModule(*built);
        QVERIFY(module && exportedFunction(module, kMakeSoundPlayerSymbol));
    }

private:
    static QString soundModuleBeside(const char* name) {
        return QCoreApplication::applicationDirPath() + "/" + name;
    }
};

}  // namespace pelmora

QTEST_GUILESS_MAIN(pelmora::DeferredSoundTest)
#include "DeferredSoundTest.moc"
