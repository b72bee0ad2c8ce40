#pragma once

#include <string>

#include "core/generation_context.h"

// The human-name grammars of the planets, one file each in this folder.
namespace quelvarinox {

void Nombre_adumar(GenerationContext& ctx, std::string& Text1);
void Nombre_agamar(GenerationContext& ctx, std::string& Text1);
void Nombre_alderaan(GenerationContext& ctx, std::string& Text1);
void Nombre_bakura(GenerationContext& ctx, std::string& Text1);
void Nombre_Bespin(GenerationContext& ctx, std::string& Text1);
void Nombre_Brentaal(GenerationContext& ctx, std::string& Text1);
void Nombre_Carida(GenerationContext& ctx, std::string& Text1);
void Nombre_Chandrila(GenerationContext& ctx, std::string& Text1);
void Nombre_Commenor(GenerationContext& ctx, std::string& Text1);
void Nombre_Corelia(GenerationContext& ctx, std::string& Text1);
void Nombre_Corulag(GenerationContext& ctx, std::string& Text1);
void Nombre_Coruscant(GenerationContext& ctx, std::string& Text1);
void Nombre_Cularin(GenerationContext& ctx, std::string& Text1);
void Nombre_Dathomir(GenerationContext& ctx, std::string& Text1);
void Nombre_Demophon(GenerationContext& ctx, std::string& Text1);
void Nombre_Draenell(GenerationContext& ctx, std::string& Text1);
void Nombre_Elrood(GenerationContext& ctx, std::string& Text1);
void Nombre_Garos(GenerationContext& ctx, std::string& Text1);
void Nombre_Hapes(GenerationContext& ctx, std::string& Text1);
void Nombre_Kegan(GenerationContext& ctx, std::string& Text1);
void Nombre_Kuat(GenerationContext& ctx, std::string& Text1);
void Nombre_Lianna(GenerationContext& ctx, std::string& Text1);
void Nombre_Naboo(GenerationContext& ctx, std::string& Text1);
void Nombre_Namch(GenerationContext& ctx, std::string& Text1);
void Nombre_Narsh(GenerationContext& ctx, std::string& Text1);
void Nombre_Obroa(GenerationContext& ctx, std::string& Text1);
void Nombre_Onderon(GenerationContext& ctx, std::string& Text1);
void Nombre_Ordm(GenerationContext& ctx, std::string& Text1);
void Nombre_Ralltiir(GenerationContext& ctx, std::string& Text1);
void Nombre_Socorro(GenerationContext& ctx, std::string& Text1);
void Nombre_Tatooine(GenerationContext& ctx, std::string& Text1);
void Nombre_Teyr(GenerationContext& ctx, std::string& Text1);

}  // namespace quelvarinox
