<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ExampleWindow</name>
    <message>
        <source>Gauge length</source>
        <translation>Longitud entre puntos</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Maximum force</source>
        <translation>Fuerza máxima</translation>
    </message>
    <message>
        <source>Yield strength</source>
        <translation>Límite elástico</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>Temperatura de ensayo</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureza</translation>
    </message>
    <message>
        <source>Tensile test</source>
        <translation>Ensayo de tracción</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Specimen</source>
        <translation>Probeta</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>View units</source>
        <translation>Unidades de visualización</translation>
    </message>
</context>
<context>
    <name>XmlReaderWriterBase</name>
    <message>
        <source>Invalid XML element %0: &apos;%1&apos;</source>
        <translation>Elemento XML %0 no válido: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid XML attribute %0: &apos;%1&apos;</source>
        <translation>Atributo XML %0 no válido: &apos;%1&apos;</translation>
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
        <translation>Julio por kilogramo</translation>
    </message>
    <message>
        <source>Square meter per square second</source>
        <translation>Metro cuadrado por segundo cuadrado</translation>
    </message>
    <message>
        <source>Absorbed dose (of radiation)</source>
        <translation>Dosis absorbida (radiación)</translation>
    </message>
</context>
<context>
    <name>qzUnitAcceleration</name>
    <message>
        <source>Meter per square second</source>
        <translation>Metro por segundo cuadrado</translation>
    </message>
    <message>
        <source>Inches per square second</source>
        <translation>Pulgada por segundo cuadrado</translation>
    </message>
    <message>
        <source>Feet per square second</source>
        <translation>Pie por segundo cuadrado</translation>
    </message>
    <message>
        <source>Inches per minute per second</source>
        <translation>Pulgada por minuto por segundo</translation>
    </message>
    <message>
        <source>Feet per minute per second</source>
        <translation>Pie por minuto por segundo</translation>
    </message>
    <message>
        <source>Miles per hour per second</source>
        <translation>Milla por hora por segundo</translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation>Gal</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Aceleración</translation>
    </message>
</context>
<context>
    <name>qzUnitAngle</name>
    <message>
        <source>Radian</source>
        <translation>Radián</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grado</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
</context>
<context>
    <name>qzUnitAngularVelocity</name>
    <message>
        <source>Radians per second</source>
        <translation>Radián por segundo</translation>
    </message>
    <message>
        <source>Revolutions per second</source>
        <translation>Revolución por segundo</translation>
    </message>
    <message>
        <source>Rps</source>
        <translation>rev/s</translation>
    </message>
    <message>
        <source>Revolutions per minute</source>
        <translation>Revolución por minuto</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>rev/min</translation>
    </message>
    <message>
        <source>Revolutions per hour</source>
        <translation>Revolución por hora</translation>
    </message>
    <message>
        <source>Rph</source>
        <translation>rev/h</translation>
    </message>
    <message>
        <source>Angle velocity</source>
        <translation>Velocidad angular</translation>
    </message>
</context>
<context>
    <name>qzUnitArea</name>
    <message>
        <source>Square meter</source>
        <translation>Metro cuadrado</translation>
    </message>
    <message>
        <source>Square centimeter</source>
        <translation>Centímetro cuadrado</translation>
    </message>
    <message>
        <source>Square millimeter</source>
        <translation>Milímetro cuadrado</translation>
    </message>
    <message>
        <source>Square micrometer</source>
        <translation>Micrómetro cuadrado</translation>
    </message>
    <message>
        <source>Square kilometer</source>
        <translation>Kilómetro cuadrado</translation>
    </message>
    <message>
        <source>Square foot</source>
        <translation>Pie cuadrado</translation>
    </message>
    <message>
        <source>Square inch</source>
        <translation>Pulgada cuadrada</translation>
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
        <translation>por ohmio metro cuadrado</translation>
    </message>
    <message>
        <source>per milliohm square meter</source>
        <translation>por miliohmio metro cuadrado</translation>
    </message>
    <message>
        <source>per microhm square meter</source>
        <translation>por microohmio metro cuadrado</translation>
    </message>
    <message>
        <source>per nanoohm square meter</source>
        <translation>por nanoohmio metro cuadrado</translation>
    </message>
    <message>
        <source>Electrical contact conductivity</source>
        <translation>Conductancia eléctrica de contacto</translation>
    </message>
</context>
<context>
    <name>qzUnitCurrent</name>
    <message>
        <source>Ampere</source>
        <translation>Amperio</translation>
    </message>
    <message>
        <source>Milliampere</source>
        <translation>Miliamperio</translation>
    </message>
    <message>
        <source>Kiloampere</source>
        <translation>Kiloamperio</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corriente eléctrica</translation>
    </message>
</context>
<context>
    <name>qzUnitDensity</name>
    <message>
        <source>Kilograms per cubic meter</source>
        <translation>Kilogramo por metro cúbico</translation>
    </message>
    <message>
        <source>Kilograms per cubic centimeter</source>
        <translation>Kilogramo por centímetro cúbico</translation>
    </message>
    <message>
        <source>Kilograms per cubic millimeter</source>
        <translation>Kilogramo por milímetro cúbico</translation>
    </message>
    <message>
        <source>Pound per cubic foot</source>
        <translation>Libra por pie cúbico</translation>
    </message>
    <message>
        <source>Pound per cubic inch</source>
        <translation>Libra por pulgada cúbica</translation>
    </message>
    <message>
        <source>Ton per cubic centimeter</source>
        <translation>Tonelada por centímetro cúbico</translation>
    </message>
    <message>
        <source>Gram per cubic centimeter</source>
        <translation>Gramo por centímetro cúbico</translation>
    </message>
    <message>
        <source>Megagram per cubic millimeter</source>
        <translation>Megagramo por milímetro cúbico</translation>
    </message>
    <message>
        <source>Gram per cubic meter</source>
        <translation>Gramo por metro cúbico</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
</context>
<context>
    <name>qzUnitDiffusivity</name>
    <message>
        <source>Square meters per second</source>
        <translation>Metro cuadrado por segundo</translation>
    </message>
    <message>
        <source>Diffusivity</source>
        <translation>Coeficiente de difusión</translation>
    </message>
</context>
<context>
    <name>qzUnitDistancePerRevolution</name>
    <message>
        <source>Meter per revolution</source>
        <translation>Metro por revolución</translation>
    </message>
    <message>
        <source>Centimeter per revolution</source>
        <translation>Centímetro por revolución</translation>
    </message>
    <message>
        <source>Millimeter per revolution</source>
        <translation>Milímetro por revolución</translation>
    </message>
    <message>
        <source>Foot per revolution</source>
        <translation>Pie por revolución</translation>
    </message>
    <message>
        <source>Inch per revolution</source>
        <translation>Pulgada por revolución</translation>
    </message>
    <message>
        <source>Mile per revolution</source>
        <translation>Milla por revolución</translation>
    </message>
    <message>
        <source>Mil per revolution</source>
        <translation>Mil por revolución</translation>
    </message>
    <message>
        <source>Kilometer per revolution</source>
        <translation>Kilómetro por revolución</translation>
    </message>
    <message>
        <source>m/r</source>
        <comment>Einheit Weg pro Umdrehung [m/U]</comment>
        <translation>m/rev</translation>
    </message>
    <message>
        <source>cm/r</source>
        <comment>Einheit Weg pro Umdrehung [cm/U]</comment>
        <translation>cm/rev</translation>
    </message>
    <message>
        <source>mm/r</source>
        <comment>Einheit Weg pro Umdrehung [mm/U]</comment>
        <translation>mm/rev</translation>
    </message>
    <message>
        <source>ft/r</source>
        <comment>Einheit Weg pro Umdrehung [ft/U]</comment>
        <translation>ft/rev</translation>
    </message>
    <message>
        <source>in/r</source>
        <comment>Einheit Weg pro Umdrehung [in/U]</comment>
        <translation>in/rev</translation>
    </message>
    <message>
        <source>mi/r</source>
        <comment>Einheit Weg pro Umdrehung [mi/U]</comment>
        <translation>mi/rev</translation>
    </message>
    <message>
        <source>mil/r</source>
        <comment>Einheit Weg pro Umdrehung [mil/U]</comment>
        <translation>mil/rev</translation>
    </message>
    <message>
        <source>km/r</source>
        <comment>Einheit Weg pro Umdrehung [km/U]</comment>
        <translation>km/rev</translation>
    </message>
    <message>
        <source>Distance per revolution</source>
        <comment>de=Weg pro Umdrehung</comment>
        <translation>Distancia por revolución</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricField</name>
    <message>
        <source>Volt/meter</source>
        <translation>Voltio/metro</translation>
    </message>
    <message>
        <source>V/m</source>
        <translation>V/m</translation>
    </message>
    <message>
        <source>Electric field intensity</source>
        <translation>Intensidad de campo eléctrico</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalConductivity</name>
    <message>
        <source>1 / (Ohm * meter)</source>
        <translation>1 / (ohmio * metro)</translation>
    </message>
    <message>
        <source>1 / (%1Ohm * meter)</source>
        <translation>1 / (%1ohmio * metro)</translation>
    </message>
    <message>
        <source>Electrical conductivity</source>
        <translation>Conductividad eléctrica</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalCurrentDensity</name>
    <message>
        <source>Ampere per square meter</source>
        <translation>Amperio por metro cuadrado</translation>
    </message>
    <message>
        <source>Microampere per square meter</source>
        <translation>Microamperio por metro cuadrado</translation>
    </message>
    <message>
        <source>Milliampere per square meter</source>
        <translation>Miliamperio por metro cuadrado</translation>
    </message>
    <message>
        <source>Kiloampere per square meter</source>
        <translation>Kiloamperio por metro cuadrado</translation>
    </message>
    <message>
        <source>Megaampere per square meter</source>
        <translation>Megaamperio por metro cuadrado</translation>
    </message>
    <message>
        <source>Current density</source>
        <translation>Densidad de corriente</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalResistivity</name>
    <message>
        <source>Ohm * meter</source>
        <translation>Ohmio * metro</translation>
    </message>
    <message>
        <source>%1Ohm * meter</source>
        <translation>%1ohmio * metro</translation>
    </message>
    <message>
        <source>Electrical resistivity</source>
        <comment>Electrical resistivity Material specific value, does not depend on other factors like geometry (DO NOT confuse with &apos;Resistance&apos;)</comment>
        <translation>Resistividad eléctrica</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergy</name>
    <message>
        <source>Joule</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>Kilojulio</translation>
    </message>
    <message>
        <source>Kilowatt hour</source>
        <translation>Kilovatio hora</translation>
    </message>
    <message>
        <source>Electron volt</source>
        <translation>Electronvoltio</translation>
    </message>
    <message>
        <source>Kilopond meter</source>
        <translation>Kilopondio metro</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Caloría (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>Unidad térmica británica (IT)</translation>
    </message>
    <message>
        <source>Inch-Pound Force</source>
        <translation>Pulgada-libra-fuerza</translation>
    </message>
    <message>
        <source>Foot-Pound Force</source>
        <translation>Pie-libra-fuerza</translation>
    </message>
    <message>
        <source>Megajoule</source>
        <translation>Megajulio</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyDensity</name>
    <message>
        <source>Joule per cubic meter</source>
        <translation>Julio por metro cúbico</translation>
    </message>
    <message>
        <source>Microjoule per cubic meter</source>
        <translation>Microjulio por metro cúbico</translation>
    </message>
    <message>
        <source>Millijoule per cubic meter</source>
        <translation>Milijulio por metro cúbico</translation>
    </message>
    <message>
        <source>Kilojoule per cubic meter</source>
        <translation>Kilojulio por metro cúbico</translation>
    </message>
    <message>
        <source>Megajoule per cubic meter</source>
        <translation>Megajulio por metro cúbico</translation>
    </message>
    <message>
        <source>Joule per cubic millimeter</source>
        <translation>Julio por milímetro cúbico</translation>
    </message>
    <message>
        <source>Energy density</source>
        <translation>Densidad de energía</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyLength</name>
    <message>
        <source>Energy input per unit length</source>
        <translation>Aporte de energía por unidad de longitud</translation>
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
        <translation>Onza-fuerza</translation>
    </message>
    <message>
        <source>Pound (Force)</source>
        <translation>Libra-fuerza</translation>
    </message>
    <message>
        <source>Kilopond</source>
        <translation>Kilopondio</translation>
    </message>
    <message>
        <source>Ton (Force)</source>
        <translation>Tonelada-fuerza</translation>
    </message>
    <message>
        <source>Dyne</source>
        <translation>Dina</translation>
    </message>
    <message>
        <source>Kilonewton</source>
        <translation>Kilonewton</translation>
    </message>
    <message>
        <source>Short ton</source>
        <translation>Tonelada corta</translation>
    </message>
    <message>
        <source>Long ton</source>
        <translation>Tonelada larga</translation>
    </message>
    <message>
        <source>Kilopound (Force)</source>
        <translation>Kilolibra-fuerza</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Kilogramo-fuerza</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Fuerza</translation>
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
        <translation>Kilonewton por milímetro</translation>
    </message>
    <message>
        <source>Force per length</source>
        <translation>Fuerza por unidad de longitud</translation>
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
        <translation>Fuerza por unidad de volumen</translation>
    </message>
</context>
<context>
    <name>qzUnitFrequency</name>
    <message>
        <source>Hertz</source>
        <translation>Hercio</translation>
    </message>
    <message>
        <source>Vibrations per second</source>
        <translation>Vibración por segundo</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
</context>
<context>
    <name>qzUnitGrainSize</name>
    <message>
        <source>Micrometer</source>
        <translation>Micrómetro</translation>
    </message>
    <message>
        <source>ASTM</source>
        <translation>ASTM</translation>
    </message>
    <message>
        <source>Grain size</source>
        <translation>Tamaño de grano</translation>
    </message>
</context>
<context>
    <name>qzUnitHardness</name>
    <message>
        <source>Newton per square meter</source>
        <translation>Newton por metro cuadrado</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Newton por milímetro cuadrado</translation>
    </message>
    <message>
        <source>Pound-force per square inch</source>
        <translation>Libra-fuerza por pulgada cuadrada</translation>
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
        <translation>Julio</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>Kilojulio</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Caloría (IT)</translation>
    </message>
    <message>
        <source>Kilocalorie (IT)</source>
        <translation>Kilocaloría (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>Unidad térmica británica (IT)</translation>
    </message>
    <message>
        <source>Heat energy</source>
        <translation>Cantidad de calor</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatCapacity</name>
    <message>
        <source>Heat capacity</source>
        <translation>Capacidad térmica</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatFlux</name>
    <message>
        <source>Heat flow</source>
        <translation>Densidad de flujo térmico</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatTransferCoefficient</name>
    <message>
        <source>Heat transfer coefficient</source>
        <translation>Coeficiente de transferencia de calor</translation>
    </message>
</context>
<context>
    <name>qzUnitLatentHeat</name>
    <message>
        <source>Joule per kilogram</source>
        <translation>Julio por kilogramo</translation>
    </message>
    <message>
        <source>Joule per gram</source>
        <translation>Julio por gramo</translation>
    </message>
    <message>
        <source>Millimeter squared per second squared</source>
        <translation>Milímetro cuadrado por segundo cuadrado</translation>
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
        <translation>Pie</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Pulgada</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>Milla</translation>
    </message>
    <message>
        <source>Mil</source>
        <translation>Mil</translation>
    </message>
    <message>
        <source>Micron</source>
        <translation>Micra</translation>
    </message>
    <message>
        <source>Microinch</source>
        <translation>Micropulgada</translation>
    </message>
    <message>
        <source>Kilometer</source>
        <translation>Kilómetro</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticField</name>
    <message>
        <source>Ampere/meter</source>
        <translation>Amperio/metro</translation>
    </message>
    <message>
        <source>A/m</source>
        <translation>A/m</translation>
    </message>
    <message>
        <source>Magnetic field intensity</source>
        <translation>Intensidad de campo magnético</translation>
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
        <translation>Inducción magnética</translation>
    </message>
</context>
<context>
    <name>qzUnitMass</name>
    <message>
        <source>Kilogram</source>
        <translation>Kilogramo</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation>Gramo</translation>
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
        <translation>Onza</translation>
    </message>
    <message>
        <source>Slug</source>
        <translation>Slug</translation>
    </message>
    <message>
        <source>Megagram</source>
        <translation>Megagramo</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFluxDensity</name>
    <message>
        <source>Kilogram per square meter and second</source>
        <translation>Kilogramo por metro cuadrado y segundo</translation>
    </message>
    <message>
        <source>Mass flux density</source>
        <translation>Densidad de flujo másico</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFraction</name>
    <message>
        <source>Weight percent</source>
        <translation>Porcentaje en peso</translation>
    </message>
    <message>
        <source>Weight fraction</source>
        <translation>Fracción en peso</translation>
    </message>
    <message>
        <source>Mass fraction</source>
        <translation>Fracción másica</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFractionGradient</name>
    <message>
        <source>Weight percent per meter</source>
        <translation>Porcentaje en peso por metro</translation>
    </message>
    <message>
        <source>Mass fraction gradient</source>
        <translation>Gradiente de fracción másica</translation>
    </message>
</context>
<context>
    <name>qzUnitMomentOfInertia</name>
    <message>
        <source>Moment of inertia</source>
        <translation>Momento de inercia</translation>
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
        <translation>Kilobyte</translation>
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
        <translation>Cantidad de información</translation>
    </message>
</context>
<context>
    <name>qzUnitPercent</name>
    <message>
        <source>Percent</source>
        <translation>Por ciento</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Relación</translation>
    </message>
</context>
<context>
    <name>qzUnitPower</name>
    <message>
        <source>Watt</source>
        <translation>Vatio</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
</context>
<context>
    <name>qzUnitSpecificHeatCapacity</name>
    <message>
        <source>Specific heat capacity</source>
        <translation>Capacidad térmica específica</translation>
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
        <translation>Pie por segundo</translation>
    </message>
    <message>
        <source>Inches per second</source>
        <translation>Pulgada por segundo</translation>
    </message>
    <message>
        <source>Miles per second</source>
        <translation>Milla por segundo</translation>
    </message>
    <message>
        <source>Meters per minute</source>
        <translation>Metro por minuto</translation>
    </message>
    <message>
        <source>Kilometers per hour</source>
        <translation>Kilómetro por hora</translation>
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
        <translation>Pulgada por minuto</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
</context>
<context>
    <name>qzUnitStrainRate</name>
    <message>
        <source>Strain rate</source>
        <translation>Velocidad de deformación</translation>
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
        <translation>Kilopascal</translation>
    </message>
    <message>
        <source>Pièze</source>
        <translation>Pieza</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Technical atmosphere</source>
        <translation>Atmósfera técnica</translation>
    </message>
    <message>
        <source>Physical atmosphere</source>
        <translation>Atmósfera física</translation>
    </message>
    <message>
        <source>Torr</source>
        <translation>Torr</translation>
    </message>
    <message>
        <source>Pounds per square inch</source>
        <translation>Libra por pulgada cuadrada</translation>
    </message>
    <message>
        <source>Pounds per square foot</source>
        <translation>Libra por pie cuadrado</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Newton por milímetro cuadrado</translation>
    </message>
    <message>
        <source>Kilograms per square inch</source>
        <translation>Kilogramo por pulgada cuadrada</translation>
    </message>
    <message>
        <source>Kilograms per square centimeter</source>
        <translation>Kilogramo por centímetro cuadrado</translation>
    </message>
    <message>
        <source>Kilograms per square millimeter</source>
        <translation>Kilogramo por milímetro cuadrado</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Tensión mecánica</translation>
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
        <translation>Grado Celsius</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Grado Fahrenheit</translation>
    </message>
    <message>
        <source>Degrees Rankine</source>
        <translation>Grado Rankine</translation>
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
        <translation>Grado Celsius</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Grado Fahrenheit</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Diferencia de temperatura</translation>
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
        <translation>Grado Fahrenheit por segundo</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per minute</source>
        <translation>Grado Fahrenheit por minuto</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per hour</source>
        <translation>Grado Fahrenheit por hora</translation>
    </message>
    <message>
        <source>Temperature rate</source>
        <translation>Velocidad de variación de temperatura</translation>
    </message>
</context>
<context>
    <name>qzUnitThermalConductivity</name>
    <message>
        <source>Thermal conductivity</source>
        <translation>Conductividad térmica</translation>
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
        <translation>Coef. de dilatación térmica</translation>
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
        <translation>Milisegundo</translation>
    </message>
    <message>
        <source>Microsecond</source>
        <translation>Microsegundo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>qzUnitTorque</name>
    <message>
        <source>Newton meter</source>
        <translation>Newton metro</translation>
    </message>
    <message>
        <source>Foot pounds</source>
        <translation>Pie-libra</translation>
    </message>
    <message>
        <source>Inch pounds</source>
        <translation>Pulgada-libra</translation>
    </message>
    <message>
        <source>Inch ounce-force</source>
        <translation>Pulgada-onza-fuerza</translation>
    </message>
    <message>
        <source>Foot ounce-force</source>
        <translation>Pie-onza-fuerza</translation>
    </message>
    <message>
        <source>Foot-poundal</source>
        <translation>Pie-poundal</translation>
    </message>
    <message>
        <source>Kilogram-force meter</source>
        <translation>Kilogramo-fuerza metro</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Par de torsión</translation>
    </message>
</context>
<context>
    <name>qzUnitTripCoefficient</name>
    <message>
        <source>Square millimeter per newton</source>
        <translation>Milímetro cuadrado por newton</translation>
    </message>
    <message>
        <source>Square inch per kilopound</source>
        <translation>Pulgada cuadrada por kilolibra</translation>
    </message>
    <message>
        <source>Square meter per newton</source>
        <translation>Metro cuadrado por newton</translation>
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
        <translation>Rigidez torsional</translation>
    </message>
</context>
<context>
    <name>qzUnitUndefined</name>
    <message>
        <source>Size of dimension one</source>
        <translation>Magnitud de dimensión uno</translation>
    </message>
</context>
<context>
    <name>qzUnitValue</name>
    <message>
        <source>unknown unit &apos;%1&apos;</source>
        <translation>unidad desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is of the physical dimension %2, which no dimension of the library has</source>
        <translation>&apos;%1&apos; tiene la dimensión física %2, que ninguna magnitud de la biblioteca tiene</translation>
    </message>
    <message>
        <source>unknown unit &apos;%1&apos; for %2</source>
        <translation>unidad desconocida &apos;%1&apos; para %2</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; ¿quiso decir %1?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a unit of %2, not of %3</source>
        <translation>&apos;%1&apos; es una unidad de %2, no de %3</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: %2</source>
        <translation>unidad ambigua &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the decimal comma is not read in this locale</source>
        <translation>&apos;%1&apos;: la coma decimal no se lee con esta configuración regional</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not start with a number</source>
        <translation>&apos;%1&apos; no empieza por un número</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the unit in &apos;%2&apos;</source>
        <translation>&apos;%1&apos; inesperado tras la unidad en &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too close to zero for a double</source>
        <translation>el número en &apos;%1&apos; está demasiado cerca de cero para un double</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too large for a double</source>
        <translation>el número en &apos;%1&apos; es demasiado grande para un double</translation>
    </message>
    <message>
        <source>the fraction in &apos;%1&apos; divides by zero</source>
        <translation>la fracción en &apos;%1&apos; divide por cero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no unit</source>
        <translation>&apos;%1&apos; no tiene unidad</translation>
    </message>
    <message>
        <source>cannot add &apos;%1&apos; to a value of %2 in &apos;%3&apos;</source>
        <translation>no se puede sumar &apos;%1&apos; a un valor de %2 en &apos;%3&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; can be read as %3 or as %4</source>
        <translation>&apos;%1&apos;: &apos;%2&apos; puede leerse como %3 o como %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the apostrophe in &apos;%2&apos; can be a foot mark or a thousands separator</source>
        <translation>&apos;%1&apos;: el apóstrofo en &apos;%2&apos; puede ser una marca de pies o un separador de miles</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; has more than one decimal point</source>
        <translation>&apos;%1&apos;: &apos;%2&apos; tiene más de un separador decimal</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the separators in &apos;%2&apos; do not form a number in this locale</source>
        <translation>&apos;%1&apos;: los separadores de &apos;%2&apos; no forman un número con esta configuración regional</translation>
    </message>
    <message>
        <source>&apos;%1&apos; converts with the factor %2 %3 kept for stored documents; its definition gives %4 %3</source>
        <translation>&apos;%1&apos; se convierte con el factor %2 %3 conservado para los documentos guardados; su definición da %4 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read with its defined factor, %2 %3; stored documents keep %4 %3 for it</source>
        <translation>&apos;%1&apos; se lee con su factor definido, %2 %3; los documentos guardados conservan %4 %3 para esta unidad</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a gauge or absolute pressure, whose reference a value cannot keep; type the pressure in psi or bar</source>
        <translation>&apos;%1&apos; es una presión manométrica o absoluta, cuya referencia un valor no puede guardar; escriba la presión en psi o bar</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: written as a unit of %2, it reads physically as %3</source>
        <translation>unidad ambigua &apos;%1&apos;: escrita como unidad de %2, físicamente se lee como %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read as %2; it is also a unit of %3</source>
        <translation>&apos;%1&apos; se lee como %2; también es una unidad de %3</translation>
    </message>
    <message>
        <source>nothing was typed</source>
        <translation>no se escribió nada</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below absolute zero</source>
        <translation>&apos;%1&apos; está por debajo del cero absoluto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>the first operand has no dimension</source>
        <translation>el primer operando no tiene magnitud</translation>
    </message>
    <message>
        <source>the second operand has no dimension</source>
        <translation>el segundo operando no tiene magnitud</translation>
    </message>
    <message>
        <source>the first operand is %1, not a finite number</source>
        <translation>el primer operando es %1, no un número finito</translation>
    </message>
    <message>
        <source>the second operand is %1, not a finite number</source>
        <translation>el segundo operando es %1, no un número finito</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, which no dimension has</source>
        <translation>%1 tiene los exponentes %2, que ninguna magnitud tiene</translation>
    </message>
    <message>
        <source>the result %1 names no dimension</source>
        <translation>el resultado %1 no designa ninguna magnitud</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, not those of %3 (%4); dimensions with %2: %5</source>
        <translation>%1 tiene los exponentes %2, no los de %3 (%4); magnitudes con %2: %5</translation>
    </message>
    <message>
        <source>%1 divides by zero</source>
        <translation>%1 divide por cero</translation>
    </message>
    <message>
        <source>%1 overflows a double</source>
        <translation>%1 desborda un double</translation>
    </message>
</context>
<context>
    <name>qzUnitValueEdit</name>
    <message>
        <source>The text is longer than %1 characters</source>
        <translation>El texto tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too small: at least %2</source>
        <translation>&apos;%1&apos; es demasiado pequeño: como mínimo %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: at most %2</source>
        <translation>&apos;%1&apos; es demasiado grande: como máximo %2</translation>
    </message>
</context>
<context>
    <name>qzUnitVoltage</name>
    <message>
        <source>Volt</source>
        <translation>Voltio</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Tensión eléctrica</translation>
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
        <translation>Pie cúbico</translation>
    </message>
    <message>
        <source>Cubic inch</source>
        <translation>Pulgada cúbica</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
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
        <translation>Caudal volumétrico</translation>
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
        <translation>Usual estadounidense</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
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
        <translation>Nombre en inglés</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>SI unit</source>
        <translation>Unidad SI</translation>
    </message>
    <message>
        <source>view unit</source>
        <translation>unidad de visualización</translation>
    </message>
    <message>
        <source>&apos;%1&apos; bytes is too large: counts reach %2</source>
        <translation>&apos;%1&apos; bytes es demasiado: los recuentos llegan hasta %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number of bytes</source>
        <translation>&apos;%1&apos; no es un número entero de bytes</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>división por cero</translation>
    </message>
    <message>
        <source>a number divided by a value has no dimension of the library</source>
        <translation>un número dividido por un valor no tiene ninguna magnitud de la biblioteca</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>cannot add %1 and %2: different dimensions</source>
        <translation>no se pueden sumar %1 y %2: magnitudes distintas</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>&apos;%1&apos; inesperado en &apos;%2&apos;</translation>
    </message>
    <message>
        <source>missing &apos;)&apos; in &apos;%1&apos;</source>
        <translation>falta &apos;)&apos; en &apos;%1&apos;</translation>
    </message>
    <message>
        <source>missing value in &apos;%1&apos;</source>
        <translation>falta un valor en &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the result is of %1, not of %2</source>
        <translation>el resultado es de %1, no de %2</translation>
    </message>
    <message>
        <source>cannot express %1 in &apos;%2&apos;</source>
        <translation>no se puede expresar %1 en &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unknown dimension &apos;%1&apos; (see qzunit dimensions)</source>
        <translation>magnitud desconocida &apos;%1&apos; (véase qzunit dimensions)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos; (one of %2)</source>
        <translation>preajuste desconocido &apos;%1&apos; (uno de %2)</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>note: %1 read as %2 (also %3); choose another with --dimension</source>
        <translation>nota: %1 leído como %2 (también %3); elija otra con --dimension</translation>
    </message>
    <message>
        <source>%1 fits several dimensions: %2 (choose one with --dimension)</source>
        <translation>%1 corresponde a varias magnitudes: %2 (elija una con --dimension)</translation>
    </message>
    <message>
        <source>no target unit after &apos;%1 %2&apos;</source>
        <translation>falta la unidad de destino después de &apos;%1 %2&apos;</translation>
    </message>
    <message>
        <source>cannot convert &apos;%1&apos; (%2) to &apos;%3&apos; (%4): different dimensions</source>
        <translation>no se puede convertir &apos;%1&apos; (%2) a &apos;%3&apos; (%4): magnitudes distintas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; to &apos;%2&apos;</source>
        <translation>&apos;%1&apos; a &apos;%2&apos;</translation>
    </message>
    <message>
        <source>warning: %1 lies outside the validity range of %2 (%3 to %4)</source>
        <translation>aviso: %1 está fuera del intervalo de validez de %2 (%3 a %4)</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>falta un valor después de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>invalid --format &apos;%1&apos; (one of g, f, e)</source>
        <translation>--format no válido &apos;%1&apos; (g, f o e)</translation>
    </message>
    <message>
        <source>invalid --precision &apos;%1&apos; (a whole number from 0 to 99)</source>
        <translation>--precision no válida &apos;%1&apos; (un número entero de 0 a 99)</translation>
    </message>
    <message>
        <source>no command given (one of %1; see qzunit --help)</source>
        <translation>no se indicó ninguna orden (una de %1; véase qzunit --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (one of %2)</source>
        <translation>orden desconocida &apos;%1&apos; (una de %2)</translation>
    </message>
    <message>
        <source>usage: qzunit %1 %2</source>
        <translation>uso: qzunit %1 %2</translation>
    </message>
    <message>
        <source>option --%1 does not apply to %2</source>
        <translation>la opción --%1 no se aplica a %2</translation>
    </message>
    <message>
        <source>note: &apos;%1&apos; keeps the factor %2 for stored data; physically it is %3 %4</source>
        <translation>nota: &apos;%1&apos; conserva el factor %2 para los datos guardados; físicamente es %3 %4</translation>
    </message>
</context>
</TS>
