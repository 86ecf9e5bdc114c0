#include "Invocation.h"

namespace ilmo::ctl {

namespace {

constexpr std::string_view kUsage =
    R"(usage: ilmoctl [--demo] [--trace] [--json] COMMAND [';' COMMAND ...]
       ilmoctl [--demo] [--trace] [--json] -e 'COMMAND[; COMMAND ...]' [-e ...]
       ilmoctl --help

Device link:
  list                      every HID interface, its identity and the slot it claims
  info [SLOT]               information record and power status of every device, or of SLOT
  detect                    exit 0 when a supported device is connected, 1 otherwise

Keyboard (changes go to the profile in use, and to the keyboard when it is connected):
  keyboard get [lighting|options|onboard|keys|key KEY|colours|modes]
  keyboard set SETTING VALUE [SETTING VALUE ...]
      mode N|NAME  brightness 0-4  speed 0-4  direction 0|1  colour #RRGGBB  colourful on|off
      six-key on|off  w-key on|off  win-lock on|off  polling-rate 0-3  repeat-rate 0-31
      repeat-delay 0-3
      audio-mode 0-6  audio-background #RRGGBB  audio-foreground #RRGGBB  audio-wheel on|off
                (the music lighting: visualiser, colours, foreground from the colour wheel;
                shown in mode 21 while the program hears sound)
  keyboard assign [normal|fn] KEY FUNCTION
      KEY       page key index 0-125, or its name (keyboard_key_Esc, or Esc)
      FUNCTION  a display key (keyboard_key_F5, media_play, custem_copy, mouse_key_left),
                default, macro:N[:MODE] (MODE 0-3), or a code 0xTTFFSS
  keyboard colours FILE     per-key colours, one "KEY #RRGGBB" a line ("*" for every key)
  keyboard onboard N        make on-board profile N (0-15) the active one, read it back

Mouse-pad:
  pad get [lighting|modes]
  pad set SETTING VALUE [SETTING VALUE ...]
      mode INDEX|NAME  brightness 0-4  speed 0-4  colour #RRGGBB  colourful on|off

Mouse (changes go to the profile in use, and to the mouse when it is in reach):
  mouse get [lighting|dpi|buttons|pointer|modes]
  mouse set SETTING VALUE [SETTING VALUE ...]
      mode INDEX|NAME  brightness 0-4  speed 0-4  direction 0|1  colour #RRGGBB  colourful on|off
      polling-rate 0-4  stage 0-4 (the current DPI stage)
      pointer-speed 1-20  pointer-precision on|off  scroll-by-page on|off  wheel-lines 1-100
      double-click 200-900 (milliseconds; the pointer settings stay in the profile)
  mouse dpi STAGE [DPI] [enabled on|off] [colour #RRGGBB]
                            DPI stage 0-4: its DPI, switched on or off, its colour
  mouse assign BUTTON FUNCTION
      BUTTON    0-10, or left, right, middle, forward, back, dpi-up, dpi-down, dpi-cycle, gm,
                dpi-shift, fire
      FUNCTION  as for a key, and the mouse functions (mouse_key_DPI_add, mouse_key_fire_key)

Headset (sound through the audio library, which needs the headset's sound card only; the
lights in the profile in use, and on the headset when its HID interface is connected):
  headset get [sound|eq|curves|lighting|modes]
  headset set SETTING VALUE [SETTING VALUE ...]
      eq 1-12|custom  mic on|off  mic-level 0-100  monitor on|off  monitor-level 0-100
      voice on|off  voice-effect N
      mode INDEX|NAME  brightness 0-4  speed 0-4  colour #RRGGBB  colourful on|off
  headset band BAND VALUE   equaliser band 1-10 to VALUE (-20 to 20); switches to custom for this run
  headset curve save [NAME] the bands as a new custom curve NAME, or into the selected one
  headset curve choose NAME apply custom curve NAME
  headset curve delete [NAME]
                            delete curve NAME, or the selected one

Synchronised lighting:
  sync [--device keyboard|mouse|pad|headset]
                            the effect of the device's current mode (the keyboard's unless
                            named) on every connected device, in each one's own mode number;
                            each device then runs it on its own (only the running program
                            keeps their colours in step)

Music (what the computer plays, as the music lighting hears it; the music styles):
  music listen [SECONDS]    capture for SECONDS (1-600, default 5) and print every set of 25
                            band values the keyboard would be handed, then a summary
  music styles [get]        the four music styles of AudioFile.json and the selected one
  music styles set SETTING VALUE [SETTING VALUE ...]
      selected 0-3  name-N TEXT ("" for the default name)  colour-N RGB (digits 0-9: 930 or
      9,3,0); N is a style 0-3

Options:
  --demo    use the built-in emulator with every product attached and the emulated audio
            library (it lasts one run)
  --trace   print each command and response
  --json    reads print one JSON document a line
  -e TEXT   commands to run in order; may be given several times
  --help    this text

Commands run in order; the first that fails ends the run.
Exit status: 0 done, 1 device error, 2 usage error.
)";

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

CommandTextSplit split_command_text(std::string_view text) {
    CommandTextSplit split;
    CommandWords command;
    std::string word;
    bool in_word = false;
    const auto end_word = [&] {
        if (in_word) command.push_back(std::move(word));
        word.clear();
        in_word = false;
    };
    const auto end_command = [&] {
        end_word();
        if (!command.empty()) split.commands.push_back(std::move(command));
        command.clear();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\'' || c == '"') {
            const size_t close = text.find(c, i + 1);
            if (close == std::string_view::npos) {
                split.error = std::string("unclosed quote in: ") + std::string(text);
                return split;
            }
            word.append(text.substr(i + 1, close - i - 1));
            in_word = true;
            i = close;
        } else if (c == ';') {
            end_command();
        } else if (is_blank(c)) {
            end_word();
        } else {
            word.push_back(c);
            in_word = true;
        }
    }
    end_command();
    return split;
}

InvocationParse parse_invocation(std::span<const std::string> arguments) {
    InvocationParse parse;
    Invocation& invocation = parse.invocation;
    CommandWords words;
    bool texts_given = false;
    bool options_ended = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (options_ended || !argument.starts_with("-")) {
            words.push_back(argument);
        } else if (argument == "--") {
            options_ended = true;
        } else if (argument == "--device" && !words.empty()) {
            // An option of the command being written ("sync --device pad"), not of the tool.
            words.push_back(argument);
        } else if (argument == "--demo") {
            invocation.demo = true;
        } else if (argument == "--trace") {
            invocation.trace = true;
        } else if (argument == "--json") {
            invocation.json = true;
        } else if (argument == "--help" || argument == "-h") {
            invocation.help = true;
        } else if (argument == "-e") {
            if (i + 1 == arguments.size()) {
                parse.error = "-e needs a command text";
                return parse;
            }
            CommandTextSplit split = split_command_text(arguments[++i]);
            if (!split.error.empty()) {
                parse.error = split.error;
                return parse;
            }
            for (CommandWords& command : split.commands)
                invocation.commands.push_back(std::move(command));
            texts_given = true;
        } else {
            parse.error = "unknown option " + argument;
            return parse;
        }
    }
    if (texts_given && !words.empty()) {
        parse.error = "give the commands either as words or with -e, not both";
        return parse;
    }
    CommandWords command;
    for (std::string& word : words) {
        if (word == ";") {
            if (!command.empty()) invocation.commands.push_back(std::move(command));
            command.clear();
        } else {
            command.push_back(std::move(word));
        }
    }
    if (!command.empty()) invocation.commands.push_back(std::move(command));
    if (invocation.commands.empty() && !invocation.help) parse.error = "no command given";
    return parse;
}

std::string_view usage_text() {
    return kUsage;
}

}  // namespace ilmo::ctl
