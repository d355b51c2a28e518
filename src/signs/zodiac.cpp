#include "signs/zodiac.h"

#include "signs/modules.h"

const std::array<ZodiacSign, 12> Zodiac = {{
    {QStringLiteral("Aries"), 2, &modAries::LoadAriesData, &modAries::Record},
    {QStringLiteral("Taurus"), 11, &modTaurus::LoadTaurusData, &modTaurus::Record},
    {QStringLiteral("Gemini"), 5, &modGemini::LoadGeminiData, &modGemini::Record},
    {QStringLiteral("Cancer"), 3, &modCancer::LoadCancerData, &modCancer::Record},
    {QStringLiteral("Leo"), 6, &modLeo::LoadLeoData, &modLeo::Record},
    {QStringLiteral("Virgo"), 12, &modVirgo::LoadVirgoData, &modVirgo::Record},
    {QStringLiteral("Libra"), 7, &modLibra::LoadLibraData, &modLibra::Record},
    {QStringLiteral("Scorpio"), 10, &modScorpio::LoadScorpioData, &modScorpio::Record},
    {QStringLiteral("Sagittarius"), 9, &modSagittarius::LoadSagittariusData, &modSagittarius::Record},
    {QStringLiteral("Capricorn"), 4, &modCapricorn::LoadCapricornData, &modCapricorn::Record},
    {QStringLiteral("Aquarius"), 1, &modAquarius::LoadAquariusData, &modAquarius::Record},
    {QStringLiteral("Pisces"), 8, &modPisces::LoadPiscesData, &modPisces::Record},
}};

const ZodiacSign* FindSign(const QString& name)
{
    for (const ZodiacSign& sign : Zodiac) {
        if (sign.name == name)
            return &sign;
    }
    return nullptr;
}
