<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>ExampleWindow</name>
    <message>
        <source>Gauge length</source>
        <translation>Comprimento de referência</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diâmetro</translation>
    </message>
    <message>
        <source>Maximum force</source>
        <translation>Força máxima</translation>
    </message>
    <message>
        <source>Yield strength</source>
        <translation>Limite de escoamento</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>Temperatura de ensaio</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureza</translation>
    </message>
    <message>
        <source>Tensile test</source>
        <translation>Ensaio de tração</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Specimen</source>
        <translation>Corpo de prova</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Medições</translation>
    </message>
    <message>
        <source>View units</source>
        <translation>Unidades de exibição</translation>
    </message>
</context>
<context>
    <name>XmlReaderWriterBase</name>
    <message>
        <source>Invalid XML element %0: &apos;%1&apos;</source>
        <translation>Elemento XML %0 inválido: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid XML attribute %0: &apos;%1&apos;</source>
        <translation>Atributo XML %0 inválido: &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>qzUnitAbsorbedDose</name>
    <message>
        <source>Gray</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>Joule per kilogram</source>
        <translation>Joule por quilograma</translation>
    </message>
    <message>
        <source>Square meter per square second</source>
        <translation>Metro quadrado por segundo ao quadrado</translation>
    </message>
    <message>
        <source>Absorbed dose (of radiation)</source>
        <translation>Dose absorvida (radiação)</translation>
    </message>
</context>
<context>
    <name>qzUnitAcceleration</name>
    <message>
        <source>Meter per square second</source>
        <translation>Metro por segundo ao quadrado</translation>
    </message>
    <message>
        <source>Inches per square second</source>
        <translation>Polegada por segundo ao quadrado</translation>
    </message>
    <message>
        <source>Feet per square second</source>
        <translation>Pé por segundo ao quadrado</translation>
    </message>
    <message>
        <source>Inches per minute per second</source>
        <translation>Polegada por minuto por segundo</translation>
    </message>
    <message>
        <source>Feet per minute per second</source>
        <translation>Pé por minuto por segundo</translation>
    </message>
    <message>
        <source>Miles per hour per second</source>
        <translation>Milha por hora por segundo</translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation>Gal</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Aceleração</translation>
    </message>
</context>
<context>
    <name>qzUnitAngle</name>
    <message>
        <source>Radian</source>
        <translation>Radiano</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
</context>
<context>
    <name>qzUnitAngularVelocity</name>
    <message>
        <source>Radians per second</source>
        <translation>Radiano por segundo</translation>
    </message>
    <message>
        <source>Revolutions per second</source>
        <translation>Rotação por segundo</translation>
    </message>
    <message>
        <source>Rps</source>
        <translation>rps</translation>
    </message>
    <message>
        <source>Revolutions per minute</source>
        <translation>Rotação por minuto</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Revolutions per hour</source>
        <translation>Rotação por hora</translation>
    </message>
    <message>
        <source>Rph</source>
        <translation>rph</translation>
    </message>
    <message>
        <source>Angle velocity</source>
        <translation>Velocidade angular</translation>
    </message>
</context>
<context>
    <name>qzUnitArea</name>
    <message>
        <source>Square meter</source>
        <translation>Metro quadrado</translation>
    </message>
    <message>
        <source>Square centimeter</source>
        <translation>Centímetro quadrado</translation>
    </message>
    <message>
        <source>Square millimeter</source>
        <translation>Milímetro quadrado</translation>
    </message>
    <message>
        <source>Square micrometer</source>
        <translation>Micrômetro quadrado</translation>
    </message>
    <message>
        <source>Square kilometer</source>
        <translation>Quilômetro quadrado</translation>
    </message>
    <message>
        <source>Square foot</source>
        <translation>Pé quadrado</translation>
    </message>
    <message>
        <source>Square inch</source>
        <translation>Polegada quadrada</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
</context>
<context>
    <name>qzUnitAreicElectricalConductivity</name>
    <message>
        <source>per ohm square meter</source>
        <translation>por ohm metro quadrado</translation>
    </message>
    <message>
        <source>per milliohm square meter</source>
        <translation>por miliohm metro quadrado</translation>
    </message>
    <message>
        <source>per microhm square meter</source>
        <translation>por micro-ohm metro quadrado</translation>
    </message>
    <message>
        <source>per nanoohm square meter</source>
        <translation>por nano-ohm metro quadrado</translation>
    </message>
    <message>
        <source>Electrical contact conductivity</source>
        <translation>Condutância elétrica de contato</translation>
    </message>
</context>
<context>
    <name>qzUnitCurrent</name>
    <message>
        <source>Ampere</source>
        <translation>Ampere</translation>
    </message>
    <message>
        <source>Milliampere</source>
        <translation>Miliampere</translation>
    </message>
    <message>
        <source>Kiloampere</source>
        <translation>Quiloampere</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corrente elétrica</translation>
    </message>
</context>
<context>
    <name>qzUnitDensity</name>
    <message>
        <source>Kilograms per cubic meter</source>
        <translation>Quilograma por metro cúbico</translation>
    </message>
    <message>
        <source>Kilograms per cubic centimeter</source>
        <translation>Quilograma por centímetro cúbico</translation>
    </message>
    <message>
        <source>Kilograms per cubic millimeter</source>
        <translation>Quilograma por milímetro cúbico</translation>
    </message>
    <message>
        <source>Pound per cubic foot</source>
        <translation>Libra por pé cúbico</translation>
    </message>
    <message>
        <source>Pound per cubic inch</source>
        <translation>Libra por polegada cúbica</translation>
    </message>
    <message>
        <source>Ton per cubic centimeter</source>
        <translation>Tonelada por centímetro cúbico</translation>
    </message>
    <message>
        <source>Gram per cubic centimeter</source>
        <translation>Grama por centímetro cúbico</translation>
    </message>
    <message>
        <source>Megagram per cubic millimeter</source>
        <translation>Megagrama por milímetro cúbico</translation>
    </message>
    <message>
        <source>Gram per cubic meter</source>
        <translation>Grama por metro cúbico</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Massa específica</translation>
    </message>
</context>
<context>
    <name>qzUnitDiffusivity</name>
    <message>
        <source>Square meters per second</source>
        <translation>Metro quadrado por segundo</translation>
    </message>
    <message>
        <source>Diffusivity</source>
        <translation>Coeficiente de difusão</translation>
    </message>
</context>
<context>
    <name>qzUnitDistancePerRevolution</name>
    <message>
        <source>Meter per revolution</source>
        <translation>Metro por rotação</translation>
    </message>
    <message>
        <source>Centimeter per revolution</source>
        <translation>Centímetro por rotação</translation>
    </message>
    <message>
        <source>Millimeter per revolution</source>
        <translation>Milímetro por rotação</translation>
    </message>
    <message>
        <source>Foot per revolution</source>
        <translation>Pé por rotação</translation>
    </message>
    <message>
        <source>Inch per revolution</source>
        <translation>Polegada por rotação</translation>
    </message>
    <message>
        <source>Mile per revolution</source>
        <translation>Milha por rotação</translation>
    </message>
    <message>
        <source>Mil per revolution</source>
        <translation>Mil por rotação</translation>
    </message>
    <message>
        <source>Kilometer per revolution</source>
        <translation>Quilômetro por rotação</translation>
    </message>
    <message>
        <source>m/r</source>
        <comment>Einheit Weg pro Umdrehung [m/U]</comment>
        <translation>m/rot</translation>
    </message>
    <message>
        <source>cm/r</source>
        <comment>Einheit Weg pro Umdrehung [cm/U]</comment>
        <translation>cm/rot</translation>
    </message>
    <message>
        <source>mm/r</source>
        <comment>Einheit Weg pro Umdrehung [mm/U]</comment>
        <translation>mm/rot</translation>
    </message>
    <message>
        <source>ft/r</source>
        <comment>Einheit Weg pro Umdrehung [ft/U]</comment>
        <translation>ft/rot</translation>
    </message>
    <message>
        <source>in/r</source>
        <comment>Einheit Weg pro Umdrehung [in/U]</comment>
        <translation>in/rot</translation>
    </message>
    <message>
        <source>mi/r</source>
        <comment>Einheit Weg pro Umdrehung [mi/U]</comment>
        <translation>mi/rot</translation>
    </message>
    <message>
        <source>mil/r</source>
        <comment>Einheit Weg pro Umdrehung [mil/U]</comment>
        <translation>mil/rot</translation>
    </message>
    <message>
        <source>km/r</source>
        <comment>Einheit Weg pro Umdrehung [km/U]</comment>
        <translation>km/rot</translation>
    </message>
    <message>
        <source>Distance per revolution</source>
        <comment>de=Weg pro Umdrehung</comment>
        <translation>Distância por rotação</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricField</name>
    <message>
        <source>Volt/meter</source>
        <translation>Volt/metro</translation>
    </message>
    <message>
        <source>V/m</source>
        <translation>V/m</translation>
    </message>
    <message>
        <source>Electric field intensity</source>
        <translation>Intensidade de campo elétrico</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalConductivity</name>
    <message>
        <source>1 / (Ohm * meter)</source>
        <translation>1 / (ohm * metro)</translation>
    </message>
    <message>
        <source>1 / (%1Ohm * meter)</source>
        <translation>1 / (%1ohm * metro)</translation>
    </message>
    <message>
        <source>Electrical conductivity</source>
        <translation>Condutividade elétrica</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalCurrentDensity</name>
    <message>
        <source>Ampere per square meter</source>
        <translation>Ampere por metro quadrado</translation>
    </message>
    <message>
        <source>Microampere per square meter</source>
        <translation>Microampere por metro quadrado</translation>
    </message>
    <message>
        <source>Milliampere per square meter</source>
        <translation>Miliampere por metro quadrado</translation>
    </message>
    <message>
        <source>Kiloampere per square meter</source>
        <translation>Quiloampere por metro quadrado</translation>
    </message>
    <message>
        <source>Megaampere per square meter</source>
        <translation>Megaampere por metro quadrado</translation>
    </message>
    <message>
        <source>Current density</source>
        <translation>Densidade de corrente</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalResistivity</name>
    <message>
        <source>Ohm * meter</source>
        <translation>Ohm * metro</translation>
    </message>
    <message>
        <source>%1Ohm * meter</source>
        <translation>%1ohm * metro</translation>
    </message>
    <message>
        <source>Electrical resistivity</source>
        <comment>Electrical resistivity Material specific value, does not depend on other factors like geometry (DO NOT confuse with &apos;Resistance&apos;)</comment>
        <translation>Resistividade elétrica</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergy</name>
    <message>
        <source>Joule</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>Quilojoule</translation>
    </message>
    <message>
        <source>Kilowatt hour</source>
        <translation>Quilowatt-hora</translation>
    </message>
    <message>
        <source>Electron volt</source>
        <translation>Elétron-volt</translation>
    </message>
    <message>
        <source>Kilopond meter</source>
        <translation>Quilopond-metro</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Caloria (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>Unidade térmica britânica (IT)</translation>
    </message>
    <message>
        <source>Inch-Pound Force</source>
        <translation>Polegada-libra-força</translation>
    </message>
    <message>
        <source>Foot-Pound Force</source>
        <translation>Pé-libra-força</translation>
    </message>
    <message>
        <source>Megajoule</source>
        <translation>Megajoule</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyDensity</name>
    <message>
        <source>Joule per cubic meter</source>
        <translation>Joule por metro cúbico</translation>
    </message>
    <message>
        <source>Microjoule per cubic meter</source>
        <translation>Microjoule por metro cúbico</translation>
    </message>
    <message>
        <source>Millijoule per cubic meter</source>
        <translation>Milijoule por metro cúbico</translation>
    </message>
    <message>
        <source>Kilojoule per cubic meter</source>
        <translation>Quilojoule por metro cúbico</translation>
    </message>
    <message>
        <source>Megajoule per cubic meter</source>
        <translation>Megajoule por metro cúbico</translation>
    </message>
    <message>
        <source>Joule per cubic millimeter</source>
        <translation>Joule por milímetro cúbico</translation>
    </message>
    <message>
        <source>Energy density</source>
        <translation>Densidade de energia</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyLength</name>
    <message>
        <source>Energy input per unit length</source>
        <translation>Aporte de energia por unidade de comprimento</translation>
    </message>
</context>
<context>
    <name>qzUnitForce</name>
    <message>
        <source>Newton</source>
        <translation>Newton</translation>
    </message>
    <message>
        <source>Poundal</source>
        <translation>Poundal</translation>
    </message>
    <message>
        <source>Ounce (Force)</source>
        <translation>Onça-força</translation>
    </message>
    <message>
        <source>Pound (Force)</source>
        <translation>Libra-força</translation>
    </message>
    <message>
        <source>Kilopond</source>
        <translation>Quilopond</translation>
    </message>
    <message>
        <source>Ton (Force)</source>
        <translation>Tonelada-força</translation>
    </message>
    <message>
        <source>Dyne</source>
        <translation>Dina</translation>
    </message>
    <message>
        <source>Kilonewton</source>
        <translation>Quilonewton</translation>
    </message>
    <message>
        <source>Short ton</source>
        <translation>Tonelada curta</translation>
    </message>
    <message>
        <source>Long ton</source>
        <translation>Tonelada longa</translation>
    </message>
    <message>
        <source>Kilopound (Force)</source>
        <translation>Quilolibra-força</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Quilograma-força</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Força</translation>
    </message>
</context>
<context>
    <name>qzUnitForceLength</name>
    <message>
        <source>Newton per meter</source>
        <translation>Newton por metro</translation>
    </message>
    <message>
        <source>Newton per Millimeter</source>
        <translation>Newton por milímetro</translation>
    </message>
    <message>
        <source>Kilonewton per Millimeter</source>
        <translation>Quilonewton por milímetro</translation>
    </message>
    <message>
        <source>Force per length</source>
        <translation>Força por unidade de comprimento</translation>
    </message>
</context>
<context>
    <name>qzUnitForcePerVolume</name>
    <message>
        <source>Newton per cubic meter</source>
        <translation>Newton por metro cúbico</translation>
    </message>
    <message>
        <source>Force per volume</source>
        <translation>Força por unidade de volume</translation>
    </message>
</context>
<context>
    <name>qzUnitFrequency</name>
    <message>
        <source>Hertz</source>
        <translation>Hertz</translation>
    </message>
    <message>
        <source>Vibrations per second</source>
        <translation>Vibração por segundo</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
</context>
<context>
    <name>qzUnitGrainSize</name>
    <message>
        <source>Micrometer</source>
        <translation>Micrômetro</translation>
    </message>
    <message>
        <source>ASTM</source>
        <translation>ASTM</translation>
    </message>
    <message>
        <source>Grain size</source>
        <translation>Tamanho de grão</translation>
    </message>
</context>
<context>
    <name>qzUnitHardness</name>
    <message>
        <source>Newton per square meter</source>
        <translation>Newton por metro quadrado</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Newton por milímetro quadrado</translation>
    </message>
    <message>
        <source>Pound-force per square inch</source>
        <translation>Libra-força por polegada quadrada</translation>
    </message>
    <message>
        <source>Rockwell hardness</source>
        <translation>Dureza Rockwell</translation>
    </message>
    <message>
        <source>Brinell hardness</source>
        <translation>Dureza Brinell</translation>
    </message>
    <message>
        <source>Vickers hardness</source>
        <translation>Dureza Vickers</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureza</translation>
    </message>
</context>
<context>
    <name>qzUnitHeat</name>
    <message>
        <source>Joule</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>Quilojoule</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Caloria (IT)</translation>
    </message>
    <message>
        <source>Kilocalorie (IT)</source>
        <translation>Quilocaloria (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>Unidade térmica britânica (IT)</translation>
    </message>
    <message>
        <source>Heat energy</source>
        <translation>Quantidade de calor</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatCapacity</name>
    <message>
        <source>Heat capacity</source>
        <translation>Capacidade térmica</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatFlux</name>
    <message>
        <source>Heat flow</source>
        <translation>Densidade de fluxo de calor</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatTransferCoefficient</name>
    <message>
        <source>Heat transfer coefficient</source>
        <translation>Coeficiente de transferência de calor</translation>
    </message>
</context>
<context>
    <name>qzUnitLatentHeat</name>
    <message>
        <source>Joule per kilogram</source>
        <translation>Joule por quilograma</translation>
    </message>
    <message>
        <source>Joule per gram</source>
        <translation>Joule por grama</translation>
    </message>
    <message>
        <source>Millimeter squared per second squared</source>
        <translation>Milímetro quadrado por segundo ao quadrado</translation>
    </message>
    <message>
        <source>Latent heat</source>
        <translation>Calor latente</translation>
    </message>
</context>
<context>
    <name>qzUnitLength</name>
    <message>
        <source>Meter</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>Centimeter</source>
        <translation>Centímetro</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>Milímetro</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Pé</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Polegada</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>Milha</translation>
    </message>
    <message>
        <source>Mil</source>
        <translation>Mil</translation>
    </message>
    <message>
        <source>Micron</source>
        <translation>Mícron</translation>
    </message>
    <message>
        <source>Microinch</source>
        <translation>Micropolegada</translation>
    </message>
    <message>
        <source>Kilometer</source>
        <translation>Quilômetro</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticField</name>
    <message>
        <source>Ampere/meter</source>
        <translation>Ampere/metro</translation>
    </message>
    <message>
        <source>A/m</source>
        <translation>A/m</translation>
    </message>
    <message>
        <source>Magnetic field intensity</source>
        <translation>Intensidade de campo magnético</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticInduction</name>
    <message>
        <source>Tesla</source>
        <translation>Tesla</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Magnetic induction</source>
        <translation>Indução magnética</translation>
    </message>
</context>
<context>
    <name>qzUnitMass</name>
    <message>
        <source>Kilogram</source>
        <translation>Quilograma</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation>Grama</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Tonelada</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>Onça</translation>
    </message>
    <message>
        <source>Slug</source>
        <translation>Slug</translation>
    </message>
    <message>
        <source>Megagram</source>
        <translation>Megagrama</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Massa</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFluxDensity</name>
    <message>
        <source>Kilogram per square meter and second</source>
        <translation>Quilograma por metro quadrado por segundo</translation>
    </message>
    <message>
        <source>Mass flux density</source>
        <translation>Densidade de fluxo mássico</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFraction</name>
    <message>
        <source>Weight percent</source>
        <translation>Porcentagem em peso</translation>
    </message>
    <message>
        <source>Weight fraction</source>
        <translation>Fração em peso</translation>
    </message>
    <message>
        <source>Mass fraction</source>
        <translation>Fração mássica</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFractionGradient</name>
    <message>
        <source>Weight percent per meter</source>
        <translation>Porcentagem em peso por metro</translation>
    </message>
    <message>
        <source>Mass fraction gradient</source>
        <translation>Gradiente de fração mássica</translation>
    </message>
</context>
<context>
    <name>qzUnitMomentOfInertia</name>
    <message>
        <source>Moment of inertia</source>
        <translation>Momento de inércia</translation>
    </message>
</context>
<context>
    <name>qzUnitOfInformation</name>
    <message>
        <source>Bytes</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>Kilobyte</source>
        <translation>Quilobyte</translation>
    </message>
    <message>
        <source>Megabyte</source>
        <translation>Megabyte</translation>
    </message>
    <message>
        <source>Gigabyte</source>
        <translation>Gigabyte</translation>
    </message>
    <message>
        <source>Terabyte</source>
        <translation>Terabyte</translation>
    </message>
    <message>
        <source>Unit of information</source>
        <translation>Quantidade de informação</translation>
    </message>
</context>
<context>
    <name>qzUnitPercent</name>
    <message>
        <source>Percent</source>
        <translation>Por cento</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Razão</translation>
    </message>
</context>
<context>
    <name>qzUnitPower</name>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potência</translation>
    </message>
</context>
<context>
    <name>qzUnitSpecificHeatCapacity</name>
    <message>
        <source>Specific heat capacity</source>
        <translation>Capacidade térmica específica</translation>
    </message>
</context>
<context>
    <name>qzUnitSpeed</name>
    <message>
        <source>Meters per second</source>
        <translation>Metro por segundo</translation>
    </message>
    <message>
        <source>Millimeters per second</source>
        <translation>Milímetro por segundo</translation>
    </message>
    <message>
        <source>Feet per second</source>
        <translation>Pé por segundo</translation>
    </message>
    <message>
        <source>Inches per second</source>
        <translation>Polegada por segundo</translation>
    </message>
    <message>
        <source>Miles per second</source>
        <translation>Milha por segundo</translation>
    </message>
    <message>
        <source>Meters per minute</source>
        <translation>Metro por minuto</translation>
    </message>
    <message>
        <source>Kilometers per hour</source>
        <translation>Quilômetro por hora</translation>
    </message>
    <message>
        <source>Centimeters per second</source>
        <translation>Centímetro por segundo</translation>
    </message>
    <message>
        <source>Centimeters per minute</source>
        <translation>Centímetro por minuto</translation>
    </message>
    <message>
        <source>Inches per minute</source>
        <translation>Polegada por minuto</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidade</translation>
    </message>
</context>
<context>
    <name>qzUnitStrainRate</name>
    <message>
        <source>Strain rate</source>
        <translation>Taxa de deformação</translation>
    </message>
</context>
<context>
    <name>qzUnitStress</name>
    <message>
        <source>Pascal</source>
        <translation>Pascal</translation>
    </message>
    <message>
        <source>Megapascal</source>
        <translation>Megapascal</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Quilopascal</translation>
    </message>
    <message>
        <source>Pièze</source>
        <translation>Pieze</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Technical atmosphere</source>
        <translation>Atmosfera técnica</translation>
    </message>
    <message>
        <source>Physical atmosphere</source>
        <translation>Atmosfera física</translation>
    </message>
    <message>
        <source>Torr</source>
        <translation>Torr</translation>
    </message>
    <message>
        <source>Pounds per square inch</source>
        <translation>Libra por polegada quadrada</translation>
    </message>
    <message>
        <source>Pounds per square foot</source>
        <translation>Libra por pé quadrado</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Newton por milímetro quadrado</translation>
    </message>
    <message>
        <source>Kilograms per square inch</source>
        <translation>Quilograma por polegada quadrada</translation>
    </message>
    <message>
        <source>Kilograms per square centimeter</source>
        <translation>Quilograma por centímetro quadrado</translation>
    </message>
    <message>
        <source>Kilograms per square millimeter</source>
        <translation>Quilograma por milímetro quadrado</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Tensão mecânica</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperature</name>
    <message>
        <source>Kelvin</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>Grau Celsius</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Grau Fahrenheit</translation>
    </message>
    <message>
        <source>Degrees Rankine</source>
        <translation>Grau Rankine</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureDifference</name>
    <message>
        <source>Kelvin</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>Grau Celsius</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Grau Fahrenheit</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Diferença de temperatura</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureGradient</name>
    <message>
        <source>Kelvin per meter</source>
        <translation>Kelvin por metro</translation>
    </message>
    <message>
        <source>Kelvin per centimeter</source>
        <translation>Kelvin por centímetro</translation>
    </message>
    <message>
        <source>Kelvin per millimeter</source>
        <translation>Kelvin por milímetro</translation>
    </message>
    <message>
        <source>Temperature gradient</source>
        <translation>Gradiente de temperatura</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureRate</name>
    <message>
        <source>Kelvin per second</source>
        <translation>Kelvin por segundo</translation>
    </message>
    <message>
        <source>Kelvin per minute</source>
        <translation>Kelvin por minuto</translation>
    </message>
    <message>
        <source>Kelvin per hour</source>
        <translation>Kelvin por hora</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per second</source>
        <translation>Grau Fahrenheit por segundo</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per minute</source>
        <translation>Grau Fahrenheit por minuto</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per hour</source>
        <translation>Grau Fahrenheit por hora</translation>
    </message>
    <message>
        <source>Temperature rate</source>
        <translation>Taxa de variação de temperatura</translation>
    </message>
</context>
<context>
    <name>qzUnitThermalConductivity</name>
    <message>
        <source>Thermal conductivity</source>
        <translation>Condutividade térmica</translation>
    </message>
</context>
<context>
    <name>qzUnitThermalExpansion</name>
    <message>
        <source>1/°C</source>
        <translation>1/°C</translation>
    </message>
    <message>
        <source>Thermal expansion coeff.</source>
        <translation>Coef. de dilatação térmica</translation>
    </message>
</context>
<context>
    <name>qzUnitTime</name>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Millisecond</source>
        <translation>Milissegundo</translation>
    </message>
    <message>
        <source>Microsecond</source>
        <translation>Microssegundo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>qzUnitTorque</name>
    <message>
        <source>Newton meter</source>
        <translation>Newton-metro</translation>
    </message>
    <message>
        <source>Foot pounds</source>
        <translation>Pé-libra</translation>
    </message>
    <message>
        <source>Inch pounds</source>
        <translation>Polegada-libra</translation>
    </message>
    <message>
        <source>Inch ounce-force</source>
        <translation>Polegada-onça-força</translation>
    </message>
    <message>
        <source>Foot ounce-force</source>
        <translation>Pé-onça-força</translation>
    </message>
    <message>
        <source>Foot-poundal</source>
        <translation>Pé-poundal</translation>
    </message>
    <message>
        <source>Kilogram-force meter</source>
        <translation>Quilograma-força metro</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Torque</translation>
    </message>
</context>
<context>
    <name>qzUnitTripCoefficient</name>
    <message>
        <source>Square millimeter per newton</source>
        <translation>Milímetro quadrado por newton</translation>
    </message>
    <message>
        <source>Square inch per kilopound</source>
        <translation>Polegada quadrada por quilolibra</translation>
    </message>
    <message>
        <source>Square meter per newton</source>
        <translation>Metro quadrado por newton</translation>
    </message>
    <message>
        <source>Trip coefficient</source>
        <translation>Coeficiente TRIP</translation>
    </message>
</context>
<context>
    <name>qzUnitTurningStiffness</name>
    <message>
        <source>Turning stiffness</source>
        <translation>Rigidez torcional</translation>
    </message>
</context>
<context>
    <name>qzUnitUndefined</name>
    <message>
        <source>Size of dimension one</source>
        <translation>Grandeza de dimensão um</translation>
    </message>
</context>
<context>
    <name>qzUnitValue</name>
    <message>
        <source>unknown unit &apos;%1&apos;</source>
        <translation>unidade desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is of the physical dimension %2, which no dimension of the library has</source>
        <translation>&apos;%1&apos; tem a dimensão física %2, que nenhuma grandeza da biblioteca tem</translation>
    </message>
    <message>
        <source>unknown unit &apos;%1&apos; for %2</source>
        <translation>unidade desconhecida &apos;%1&apos; para %2</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; você quis dizer %1?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a unit of %2, not of %3</source>
        <translation>&apos;%1&apos; é uma unidade de %2, não de %3</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: %2</source>
        <translation>unidade ambígua &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the decimal comma is not read in this locale</source>
        <translation>&apos;%1&apos;: a vírgula decimal não é lida nesta configuração regional</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not start with a number</source>
        <translation>&apos;%1&apos; não começa com um número</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the unit in &apos;%2&apos;</source>
        <translation>&apos;%1&apos; inesperado após a unidade em &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too close to zero for a double</source>
        <translation>o número em &apos;%1&apos; está próximo demais de zero para um double</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too large for a double</source>
        <translation>o número em &apos;%1&apos; é grande demais para um double</translation>
    </message>
    <message>
        <source>the fraction in &apos;%1&apos; divides by zero</source>
        <translation>a fração em &apos;%1&apos; divide por zero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no unit</source>
        <translation>&apos;%1&apos; não tem unidade</translation>
    </message>
    <message>
        <source>cannot add &apos;%1&apos; to a value of %2 in &apos;%3&apos;</source>
        <translation>não é possível somar &apos;%1&apos; a um valor de %2 em &apos;%3&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; can be read as %3 or as %4</source>
        <translation>&apos;%1&apos;: &apos;%2&apos; pode ser lido como %3 ou como %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the apostrophe in &apos;%2&apos; can be a foot mark or a thousands separator</source>
        <translation>&apos;%1&apos;: o apóstrofo em &apos;%2&apos; pode ser um sinal de pés ou um separador de milhar</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; has more than one decimal point</source>
        <translation>&apos;%1&apos;: &apos;%2&apos; tem mais de um separador decimal</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the separators in &apos;%2&apos; do not form a number in this locale</source>
        <translation>&apos;%1&apos;: os separadores em &apos;%2&apos; não formam um número nesta configuração regional</translation>
    </message>
    <message>
        <source>&apos;%1&apos; converts with the factor %2 %3 kept for stored documents; its definition gives %4 %3</source>
        <translation>&apos;%1&apos; é convertido com o fator %2 %3 mantido para documentos salvos; sua definição dá %4 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read with its defined factor, %2 %3; stored documents keep %4 %3 for it</source>
        <translation>&apos;%1&apos; é lido com seu fator definido, %2 %3; documentos salvos mantêm %4 %3 para esta unidade</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a gauge or absolute pressure, whose reference a value cannot keep; type the pressure in psi or bar</source>
        <translation>&apos;%1&apos; é uma pressão manométrica ou absoluta, cuja referência um valor não pode guardar; digite a pressão em psi ou bar</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: written as a unit of %2, it reads physically as %3</source>
        <translation>unidade ambígua &apos;%1&apos;: escrita como unidade de %2, fisicamente se lê como %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read as %2; it is also a unit of %3</source>
        <translation>&apos;%1&apos; é lido como %2; também é uma unidade de %3</translation>
    </message>
    <message>
        <source>nothing was typed</source>
        <translation>nada foi digitado</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below absolute zero</source>
        <translation>&apos;%1&apos; está abaixo do zero absoluto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>the first operand has no dimension</source>
        <translation>o primeiro operando não tem grandeza</translation>
    </message>
    <message>
        <source>the second operand has no dimension</source>
        <translation>o segundo operando não tem grandeza</translation>
    </message>
    <message>
        <source>the first operand is %1, not a finite number</source>
        <translation>o primeiro operando é %1, não um número finito</translation>
    </message>
    <message>
        <source>the second operand is %1, not a finite number</source>
        <translation>o segundo operando é %1, não um número finito</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, which no dimension has</source>
        <translation>%1 tem os expoentes %2, que nenhuma grandeza tem</translation>
    </message>
    <message>
        <source>the result %1 names no dimension</source>
        <translation>o resultado %1 não designa nenhuma grandeza</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, not those of %3 (%4); dimensions with %2: %5</source>
        <translation>%1 tem os expoentes %2, não os de %3 (%4); grandezas com %2: %5</translation>
    </message>
    <message>
        <source>%1 divides by zero</source>
        <translation>%1 divide por zero</translation>
    </message>
    <message>
        <source>%1 overflows a double</source>
        <translation>%1 excede o intervalo de um double</translation>
    </message>
</context>
<context>
    <name>qzUnitValueEdit</name>
    <message>
        <source>The text is longer than %1 characters</source>
        <translation>O texto tem mais de %1 caracteres</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too small: at least %2</source>
        <translation>&apos;%1&apos; é pequeno demais: no mínimo %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: at most %2</source>
        <translation>&apos;%1&apos; é grande demais: no máximo %2</translation>
    </message>
</context>
<context>
    <name>qzUnitVoltage</name>
    <message>
        <source>Volt</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Tensão elétrica</translation>
    </message>
</context>
<context>
    <name>qzUnitVolume</name>
    <message>
        <source>Cubic meter</source>
        <translation>Metro cúbico</translation>
    </message>
    <message>
        <source>Cubic centimeter</source>
        <translation>Centímetro cúbico</translation>
    </message>
    <message>
        <source>Cubic millimeter</source>
        <translation>Milímetro cúbico</translation>
    </message>
    <message>
        <source>Cubic foot</source>
        <translation>Pé cúbico</translation>
    </message>
    <message>
        <source>Cubic inch</source>
        <translation>Polegada cúbica</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>qzUnitVolumePerTime</name>
    <message>
        <source>cubic meters per second</source>
        <translation>metro cúbico por segundo</translation>
    </message>
    <message>
        <source>liters per second</source>
        <translation>litro por segundo</translation>
    </message>
    <message>
        <source>liters per minute</source>
        <translation>litro por minuto</translation>
    </message>
    <message>
        <source>cubic meters per minute</source>
        <translation>metro cúbico por minuto</translation>
    </message>
    <message>
        <source>cubic centimeters per hour</source>
        <translation>centímetro cúbico por hora</translation>
    </message>
    <message>
        <source>cubic centimeters per second</source>
        <translation>centímetro cúbico por segundo</translation>
    </message>
    <message>
        <source>cubic millimeters per second</source>
        <translation>milímetro cúbico por segundo</translation>
    </message>
    <message>
        <source>Volume flow</source>
        <translation>Vazão volumétrica</translation>
    </message>
</context>
<context>
    <name>qzViewUnitsEditor</name>
    <message>
        <source>SI</source>
        <translation>SI</translation>
    </message>
    <message>
        <source>SI (millimeters)</source>
        <translation>SI (milímetros)</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>US customary</source>
        <translation>Usual dos EUA</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>&amp;Unit system:</source>
        <translation>&amp;Sistema de unidades:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>qzunit</name>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Enumerator</source>
        <translation>Enumerador</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>Nome em inglês</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>SI unit</source>
        <translation>Unidade SI</translation>
    </message>
    <message>
        <source>view unit</source>
        <translation>unidade de exibição</translation>
    </message>
    <message>
        <source>&apos;%1&apos; bytes is too large: counts reach %2</source>
        <translation>&apos;%1&apos; bytes é demais: as contagens vão até %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number of bytes</source>
        <translation>&apos;%1&apos; não é um número inteiro de bytes</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>divisão por zero</translation>
    </message>
    <message>
        <source>a number divided by a value has no dimension of the library</source>
        <translation>um número dividido por um valor não tem nenhuma grandeza da biblioteca</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>um número</translation>
    </message>
    <message>
        <source>cannot add %1 and %2: different dimensions</source>
        <translation>não é possível somar %1 e %2: grandezas diferentes</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>&apos;%1&apos; inesperado em &apos;%2&apos;</translation>
    </message>
    <message>
        <source>missing &apos;)&apos; in &apos;%1&apos;</source>
        <translation>falta &apos;)&apos; em &apos;%1&apos;</translation>
    </message>
    <message>
        <source>missing value in &apos;%1&apos;</source>
        <translation>valor ausente em &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the result is of %1, not of %2</source>
        <translation>o resultado é de %1, não de %2</translation>
    </message>
    <message>
        <source>cannot express %1 in &apos;%2&apos;</source>
        <translation>não é possível expressar %1 em &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unknown dimension &apos;%1&apos; (see qzunit dimensions)</source>
        <translation>grandeza desconhecida &apos;%1&apos; (veja qzunit dimensions)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos; (one of %2)</source>
        <translation>predefinição desconhecida &apos;%1&apos; (uma de %2)</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>note: %1 read as %2 (also %3); choose another with --dimension</source>
        <translation>nota: %1 lido como %2 (também %3); escolha outra com --dimension</translation>
    </message>
    <message>
        <source>%1 fits several dimensions: %2 (choose one with --dimension)</source>
        <translation>%1 corresponde a várias grandezas: %2 (escolha uma com --dimension)</translation>
    </message>
    <message>
        <source>no target unit after &apos;%1 %2&apos;</source>
        <translation>nenhuma unidade de destino após &apos;%1 %2&apos;</translation>
    </message>
    <message>
        <source>cannot convert &apos;%1&apos; (%2) to &apos;%3&apos; (%4): different dimensions</source>
        <translation>não é possível converter &apos;%1&apos; (%2) para &apos;%3&apos; (%4): grandezas diferentes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; to &apos;%2&apos;</source>
        <translation>&apos;%1&apos; para &apos;%2&apos;</translation>
    </message>
    <message>
        <source>warning: %1 lies outside the validity range of %2 (%3 to %4)</source>
        <translation>aviso: %1 está fora da faixa de validade de %2 (%3 a %4)</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>valor ausente após &apos;%1&apos;</translation>
    </message>
    <message>
        <source>invalid --format &apos;%1&apos; (one of g, f, e)</source>
        <translation>--format inválido &apos;%1&apos; (g, f ou e)</translation>
    </message>
    <message>
        <source>invalid --precision &apos;%1&apos; (a whole number from 0 to 99)</source>
        <translation>--precision inválida &apos;%1&apos; (um número inteiro de 0 a 99)</translation>
    </message>
    <message>
        <source>no command given (one of %1; see qzunit --help)</source>
        <translation>nenhum comando informado (um de %1; veja qzunit --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (one of %2)</source>
        <translation>comando desconhecido &apos;%1&apos; (um de %2)</translation>
    </message>
    <message>
        <source>usage: qzunit %1 %2</source>
        <translation>uso: qzunit %1 %2</translation>
    </message>
    <message>
        <source>option --%1 does not apply to %2</source>
        <translation>a opção --%1 não se aplica a %2</translation>
    </message>
    <message>
        <source>note: &apos;%1&apos; keeps the factor %2 for stored data; physically it is %3 %4</source>
        <translation>nota: &apos;%1&apos; mantém o fator %2 para dados armazenados; fisicamente é %3 %4</translation>
    </message>
</context>
</TS>
