// Commands whose screens or sound live above the script layer, or have not been built yet. The
// interpreter decides whether the script stops or goes on; a hook only does the command's work.
#pragma once

#include <string_view>

namespace orvane {

class ScriptHooks {
public:
    virtual ~ScriptHooks() = default;

    virtual void OpenJournal() {}                             // "set journal"
    // The sound device's volume for a level 0..10 ("set sfx volume=", "set volume=").
    virtual void SetWaveVolume(int) {}
    virtual void PlayVoice(std::string_view) {}               // "voice=" of "set text"
    virtual void SetCursor(std::string_view) {}               // "set cursor="
    virtual void StartPlaylist() {}                           // after a "set playlist" block
    virtual void ShowSelection(std::string_view) {}           // "set selection text"
    virtual void SetInterface(std::string_view) {}            // "set interface"
    virtual void ShowSectionMenu(std::string_view) {}         // "set section menu="
    // "game=": the whole line. True when the script waits (a game started, or the name is not
    // one of the games); false when the game has nothing to play and the script goes on at once.
    virtual bool StartMiniGame(std::string_view) { return true; }
};

}  // namespace orvane
