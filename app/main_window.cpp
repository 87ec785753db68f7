#include "app/commands.h"
#include "app/strings.h"
#include "app/window_definition.h"

namespace app {

namespace {

using enum ControlId;
using enum ControlKind;

}  // namespace

// clang-format off
constinit const WindowDefinition mainWindowDefinition{
    .caption = strings::windowCaption,
    .outerSize = {286, 390},
    .controls = {{
        // id            kind              name                place       size        text                     onClick         labelledBy
        {helpBox,        readOnlyTextBox,  "编辑框1",          {15, 230},  {250, 100}, strings::helpBoxText,    nullptr,        {}},
        {encodeButton,   pushButton,       "按钮2",            {144, 200}, {85, 25},   strings::encodeButton,   encodeCommand,  {}},
        {separatorBox,   oneLineEditBox,   "编辑框_分隔符",    {55, 93},   {210, 20},  {},                      nullptr,        separatorLabel},
        {separatorLabel, transparentLabel, "透明标签4",        {15, 95},   {45, 15},   strings::separatorLabel, nullptr,        {}},
        {decodeButton,   pushButton,       "按钮1",            {51, 200},  {85, 25},   strings::decodeButton,   decodeCommand,  {}},
        {resultBox,      multiLineEditBox, "编辑框_解译",      {15, 135},  {250, 60},  {},                      nullptr,        resultLabel},
        {resultLabel,    transparentLabel, "透明标签3",        {15, 115},  {45, 15},   strings::resultLabel,    nullptr,        {}},
        {inputBox,       multiLineEditBox, "编辑框_摩斯码",    {15, 26},   {250, 60},  {},                      nullptr,        inputLabel},
        {inputLabel,     transparentLabel, "透明标签2",        {15, 6},    {65, 15},   strings::inputLabel,     nullptr,        {}},
    }},
    // Not the order on the screen: the reverse of the stacking order, labels left out.
    .tabOrder = {inputBox, resultBox, decodeButton, separatorBox, encodeButton, helpBox},
    .menu = {
        .title = strings::otherMenu,
        .items = {{
            {strings::helpMenuItem,  helpCommand},
            {strings::aboutMenuItem, aboutCommand},
        }},
    },
};
// clang-format on

}  // namespace app
