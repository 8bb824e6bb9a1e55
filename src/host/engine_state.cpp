// What the engine shows of itself in the headless driver's state dump.
#include "base/files.h"
#include "base/log.h"
#include "host/engine.h"
#include "host/state_dump.h"

namespace orvane {

std::string Engine::StateDumpText() const {
    StateDump dump = EmptyStateDump();
    dump.Set("screen_mode", ScreenMode);
    dump.Set("script_pos", ScriptPos);
    dump.Set("scene_name", SceneName);
    dump.Set("paused", Paused ? 1 : 0);
    dump.Set("animating", Animating ? 1 : 0);
    dump.Set("shown_text", text.ShownText);
    if (MenuKind != 0) dump.Set("menu_kind", MenuKind);
    dump.Set("hover_action", shell.menu.HoverAction);
    dump.Set("voice", sound.lastVoice());
    dump.Set("effect", sound.lastEffect());
    dump.Set("music_track", sound.musicTrack());
    if (!sound.musicTrack().empty()) dump.Set("music_attenuation", sound.musicAttenuation());
    dump.Set("sound_volume", SoundVolume);
    dump.Set("music_volume", MusicVolume);
    dump.Set("presents", static_cast<long long>(platform.presents()));
    dump.Set("hover_name", shell.menu.HoverName);
    dump.Set("menu_hover_item", MenuHoverItem);
    dump.Set("options_from_game", shell.options.OptionsFromGame ? 1 : 0);
    dump.Set("interface_shown", stage.InterfaceShown ? 1 : 0);
    dump.Set("scroll", stage.ScrollKind + ":" + std::to_string(stage.ScrollStepX) + ":" +
                           std::to_string(stage.ScrollStepY));
    dump.Set("cursor", shell.interfaceCommands.CursorFile);
    // The gallery and the load screen share the carousel's fields.
    const bool galleryShown = ScreenMode == 5 || ScreenMode == 51;
    const CarouselPositions& carousel = galleryShown ? shell.gallery.carousel : shell.load.carousel;
    dump.Set("carousel", std::to_string(carousel.left) + " " + std::to_string(carousel.centre) +
                             " " + std::to_string(carousel.right));
    dump.Set("selected_save", shell.load.SelectedSave.name);
    dump.Set("load_hover_button",
             galleryShown ? shell.gallery.LoadHoverButton : shell.load.LoadHoverButton);
    dump.Set("gallery_middle_open", shell.gallery.GalleryMiddleOpen);
    dump.Set("journal_hover_button", shell.journal.JournalHoverButton);
    dump.Set("necro_state", necro.NecroState);
    dump.Set("necro_pos", necro.NecroPos);
    dump.Set("necro_menu_item", necro.NecroMenuItem);
    dump.Set("necro_option", necro.NecroOption);
    dump.Set("necro_key", necro.NecroKey);
    dump.Set("necro_text", necro.NecroText());
    dump.Set("necro_last_sound", necro.NecroLastSound);
    const auto& options = necro.NecroOptions;
    dump.Set("necro_options", options[0] + "|" + options[1] + "|" + options[2]);
    dump.Section("necro") = necro.NecroLines;
    dump.Set("code_solved", codePuzzle.CodeSolved);
    dump.Set("code_entry", codePuzzle.CodeEntry);
    dump.Set("code_answer", codePuzzle.CodeAnswer);
    dump.Set("code_key", codePuzzle.CodeKey);
    const auto& shown = codePuzzle.CodeShown;
    dump.Set("code_shown", shown[0] + "|" + shown[1] + "|" + shown[2]);
    for (const auto& [key, value] : CardDumpValues(cardTable.game, cardTable.fields)) {
        dump.Set(key, value);
    }
    dump.Set("pointer", std::to_string(comforts.pointer().x) + " " +
                            std::to_string(comforts.pointer().y));
    dump.Set("skipping", comforts.Skipping() ? 1 : 0);
    for (const StageItem& item : stage.StageItems) dump.Section("stage").push_back(item.Format());
    for (const StageMove& move : stage.MoveList) dump.Section("moves").push_back(move.Format());
    for (const StageFade& fade : stage.FadeEffects) dump.Section("fades").push_back(fade.Format());
    for (const StageCycle& cycle : stage.Cycles) dump.Section("cycles").push_back(cycle.Format());
    dump.Section("triggers") = Triggers;
    dump.Section("names") = lists.NameList;
    for (const SaveFile& save : SaveGames) dump.Section("saves").push_back(save.name);
    dump.Section("menu") = stage.MenuItems;
    dump.Section("interface") = stage.InterfaceItems;
    return FormatStateDump(dump);
}

bool Engine::WriteStateDump(const std::string& path) {
    std::string error;
    if (!WriteFileAtomic(path, StateDumpText(), error)) {
        LogError(error);
        return false;
    }
    return true;
}

}  // namespace orvane
