#include "words/builtin_words.h"

const std::array<std::u32string_view, 56> builtin_words = {
    U"Calle",   U"CoChE",   U"MoTo",       U"MaNteQuIlla", U"MiErDa",    U"Silla",   U"MeSa",       U"BoMbIllA",
    U"BoLi",    U"BaRçA",   U"MoRaSqO",    U"ArMaRiO",     U"DaNoNe",    U"NiKe",    U"AdIdAs",     U"Feo",
    U"ToNtO",   U"PiZarrA", U"OrDeNaDoR",  U"InTeRnEt",    U"TeClAdO",   U"RaToN",   U"AlFoMbRa",   U"DiBuJo",
    U"HoJa",    U"ÁrBoL",   U"CaMiÓn",     U"EsTaDiO",     U"FuTbOl",    U"PeLoTa",  U"GaFaS",      U"LeTrA",
    U"WiNdOwS", U"MóViL",   U"VeNtAnA",    U"CrIsTaL",     U"EsCaLeRaS", U"QUIRO",   U"ChAtEaR",    U"JuGaR",
    U"CorrEr",  U"CoCiNa",  U"HaBiTaCiÓn", U"LáMpArA",     U"CoMiDa",    U"JeRsEi",  U"PaNtAlOnEs", U"CaMiSa",
    U"BaMbAs",  U"ZaPaToS", U"ReLoJ",      U"ChiClE",      U"CaRpEtA",   U"CoLoReS", U"AzUl",       U"RoJo"};
