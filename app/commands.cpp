#include "app/commands.h"

#include "app/strings.h"
#include "morse/decoder.h"
#include "morse/encoder.h"

namespace app {

namespace {

using Translation = text::ByteText (*)(const text::ByteText& input,
                                       const text::ByteText& separator);

void translateInputBox(toolkit::Window& window, Translation translate) {
    const text::ByteText input = toolkit::readBoxText(window, ControlId::inputBox);
    if (text::compareText(input, text::ByteText{}) == 0) {
        return;
    }
    // Nothing handles a change of the result box, so emptying it cannot change the input box
    // read above.
    toolkit::setBoxText(window, ControlId::resultBox, text::ByteText{});
    const text::ByteText separator = toolkit::readBoxText(window, ControlId::separatorBox);
    toolkit::appendBoxText(window, ControlId::resultBox, translate(input, separator));
}

void showPlainMessage(std::string_view message) {
    toolkit::showMessageBox(text::ByteText{message}, text::ByteText{}, toolkit::MessageIcon::none);
}

}  // namespace

void encodeCommand(toolkit::Window& window) {
    translateInputBox(window, morse::encodeToMorse);
}

void decodeCommand(toolkit::Window& window) {
    translateInputBox(window, morse::decodeFromMorse);
}

void helpCommand(toolkit::Window& /*window*/) {
    showPlainMessage(strings::helpMessage);
}

void aboutCommand(toolkit::Window& /*window*/) {
    showPlainMessage(strings::aboutMessage);
}

}  // namespace app
