// The window's description: form properties and the controls in creation order.
#include "Unit1Layout.h"

namespace {

using Row = ControlDescription<TForm1>;
constexpr int Large = 19; // pixel heights of the labels with a font of their own
constexpr int Title = 16;

// clang-format off
const Row Controls[] = {
    // field                 name       left  top  width height caption                     font       tab order
    {&TForm1::Label1,  {"Label1",  288, 104,   3, 13, "",                                       FormFont, NoTabStop}},
    {&TForm1::Label2,  {"Label2",  288, 128,   3, 13, "",                                       FormFont, NoTabStop}},
    {&TForm1::Label3,  {"Label3",  288, 152,   3, 13, "",                                       FormFont, NoTabStop}},
    {&TForm1::Label4,  {"Label4",    0, 152, 140, 13, "Конечную точность расчета",              FormFont, NoTabStop}},
    {&TForm1::Label5,  {"Label5",    0, 104, 105, 13, "Показатель степени",                     FormFont, NoTabStop}},
    {&TForm1::Label6,  {"Label6",    0,  72,   3, 13, "",                                       FormFont, NoTabStop}},
    {&TForm1::Label7,  {"Label7",   24,   0, 301, 20, "Вычесление степенного ряда функции ",    Title,    NoTabStop}},
    {&TForm1::Label8,  {"Label8",  232,  64,   3, 13, "",                                       FormFont, NoTabStop}},
    {&TForm1::Label9,  {"Label9",    0,  24,   3, 13, "",                                       FormFont, NoTabStop}},
    {&TForm1::Label10, {"Label10",   0,  48,   3, 13, "",                                       FormFont, NoTabStop}},
    {&TForm1::Label15, {"Label15", 160,  47,  84, 13, "______________",                         FormFont, NoTabStop}},
    {&TForm1::Label11, {"Label11", 168,  31,  32, 24, "e   -",                                  Large,    NoTabStop}},
    {&TForm1::Label12, {"Label12", 179,  29,  11, 13, "2x",                                     FormFont, NoTabStop}},
    {&TForm1::Label13, {"Label13", 213,  34,  21, 24, "5e",                                     Large,    NoTabStop}},
    {&TForm1::Label14, {"Label14", 235,  30,   5, 13, "x",                                      FormFont, NoTabStop}},
    {&TForm1::Label16, {"Label16", 200,  64,  10, 24, "x",                                      Large,    NoTabStop}},
    {&TForm1::Label17, {"Label17", 214,  62,   6, 13, "4",                                      FormFont, NoTabStop}},
    {&TForm1::Label18, {"Label18", 117,  48,  37, 24, "f(x)=",                                  Large,    NoTabStop}},
    {&TForm1::Edit1,   {"Edit1",   144, 144, 121, 21, "",                                       FormFont, 0}, &TForm1::Edit1Change},
    {&TForm1::Edit2,   {"Edit2",   144, 104, 121, 21, "",                                       FormFont, 1}, &TForm1::Edit2Change},
    {&TForm1::Button1, {"Button1",  24, 184,  75, 25, "Вычислить",                              FormFont, 2}, &TForm1::Button1Click},
    {&TForm1::Button2, {"Button2", 272, 184,  75, 25, "Сохранить",                              FormFont, 3}, &TForm1::Button2Click},
};
// clang-format on

} // namespace

// clang-format off
const FormDescription Form1Description = {
    .Left = 213, .Top = 186, .Width = 355, .Height = 243,
    .AutoSize = true,
    .Caption = "Form1",
    .Color = 0xC0DCC0, // clMoneyGreen
    .FontColor = 0x000000, // clWindowText
    .FontName = "MS Sans Serif",
    .FontHeight = 11,
};
// clang-format on

const std::span<const ControlDescription<TForm1>> Form1Controls = Controls;
