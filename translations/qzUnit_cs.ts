<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>ExampleWindow</name>
    <message>
        <source>Gauge length</source>
        <translation>Měřená délka</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Průměr</translation>
    </message>
    <message>
        <source>Maximum force</source>
        <translation>Největší síla</translation>
    </message>
    <message>
        <source>Yield strength</source>
        <translation>Mez kluzu</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>Zkušební teplota</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Tvrdost</translation>
    </message>
    <message>
        <source>Tensile test</source>
        <translation>Zkouška tahem</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Jazyk</translation>
    </message>
    <message>
        <source>Specimen</source>
        <translation>Zkušební tyč</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Naměřené hodnoty</translation>
    </message>
    <message>
        <source>View units</source>
        <translation>Zobrazované jednotky</translation>
    </message>
</context>
<context>
    <name>XmlReaderWriterBase</name>
    <message>
        <source>Invalid XML element %0: &apos;%1&apos;</source>
        <translation>Neplatný prvek XML %0: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid XML attribute %0: &apos;%1&apos;</source>
        <translation>Neplatný atribut XML %0: &apos;%1&apos;</translation>
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
        <translation>Joule na kilogram</translation>
    </message>
    <message>
        <source>Square meter per square second</source>
        <translation>Metr čtvereční za sekundu na druhou</translation>
    </message>
    <message>
        <source>Absorbed dose (of radiation)</source>
        <translation>Absorbovaná dávka (záření)</translation>
    </message>
</context>
<context>
    <name>qzUnitAcceleration</name>
    <message>
        <source>Meter per square second</source>
        <translation>Metr za sekundu na druhou</translation>
    </message>
    <message>
        <source>Inches per square second</source>
        <translation>Palec za sekundu na druhou</translation>
    </message>
    <message>
        <source>Feet per square second</source>
        <translation>Stopa za sekundu na druhou</translation>
    </message>
    <message>
        <source>Inches per minute per second</source>
        <translation>Palec za minutu za sekundu</translation>
    </message>
    <message>
        <source>Feet per minute per second</source>
        <translation>Stopa za minutu za sekundu</translation>
    </message>
    <message>
        <source>Miles per hour per second</source>
        <translation>Míle za hodinu za sekundu</translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation>Gal</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Zrychlení</translation>
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
        <translation>Stupeň</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Rovinný úhel</translation>
    </message>
</context>
<context>
    <name>qzUnitAngularVelocity</name>
    <message>
        <source>Radians per second</source>
        <translation>Radián za sekundu</translation>
    </message>
    <message>
        <source>Revolutions per second</source>
        <translation>Otáčky za sekundu</translation>
    </message>
    <message>
        <source>Rps</source>
        <translation>ot/s</translation>
    </message>
    <message>
        <source>Revolutions per minute</source>
        <translation>Otáčky za minutu</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>ot/min</translation>
    </message>
    <message>
        <source>Revolutions per hour</source>
        <translation>Otáčky za hodinu</translation>
    </message>
    <message>
        <source>Rph</source>
        <translation>ot/h</translation>
    </message>
    <message>
        <source>Angle velocity</source>
        <translation>Úhlová rychlost</translation>
    </message>
</context>
<context>
    <name>qzUnitArea</name>
    <message>
        <source>Square meter</source>
        <translation>Metr čtvereční</translation>
    </message>
    <message>
        <source>Square centimeter</source>
        <translation>Centimetr čtvereční</translation>
    </message>
    <message>
        <source>Square millimeter</source>
        <translation>Milimetr čtvereční</translation>
    </message>
    <message>
        <source>Square micrometer</source>
        <translation>Mikrometr čtvereční</translation>
    </message>
    <message>
        <source>Square kilometer</source>
        <translation>Kilometr čtvereční</translation>
    </message>
    <message>
        <source>Square foot</source>
        <translation>Stopa čtvereční</translation>
    </message>
    <message>
        <source>Square inch</source>
        <translation>Palec čtvereční</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Plošný obsah</translation>
    </message>
</context>
<context>
    <name>qzUnitAreicElectricalConductivity</name>
    <message>
        <source>per ohm square meter</source>
        <translation>1/(ohm · metr čtvereční)</translation>
    </message>
    <message>
        <source>per milliohm square meter</source>
        <translation>1/(miliohm · metr čtvereční)</translation>
    </message>
    <message>
        <source>per microhm square meter</source>
        <translation>1/(mikroohm · metr čtvereční)</translation>
    </message>
    <message>
        <source>per nanoohm square meter</source>
        <translation>1/(nanoohm · metr čtvereční)</translation>
    </message>
    <message>
        <source>Electrical contact conductivity</source>
        <translation>Elektrická vodivost kontaktu</translation>
    </message>
</context>
<context>
    <name>qzUnitCurrent</name>
    <message>
        <source>Ampere</source>
        <translation>Ampér</translation>
    </message>
    <message>
        <source>Milliampere</source>
        <translation>Miliampér</translation>
    </message>
    <message>
        <source>Kiloampere</source>
        <translation>Kiloampér</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Elektrický proud</translation>
    </message>
</context>
<context>
    <name>qzUnitDensity</name>
    <message>
        <source>Kilograms per cubic meter</source>
        <translation>Kilogram na metr krychlový</translation>
    </message>
    <message>
        <source>Kilograms per cubic centimeter</source>
        <translation>Kilogram na centimetr krychlový</translation>
    </message>
    <message>
        <source>Kilograms per cubic millimeter</source>
        <translation>Kilogram na milimetr krychlový</translation>
    </message>
    <message>
        <source>Pound per cubic foot</source>
        <translation>Libra na stopu krychlovou</translation>
    </message>
    <message>
        <source>Pound per cubic inch</source>
        <translation>Libra na palec krychlový</translation>
    </message>
    <message>
        <source>Ton per cubic centimeter</source>
        <translation>Tuna na centimetr krychlový</translation>
    </message>
    <message>
        <source>Gram per cubic centimeter</source>
        <translation>Gram na centimetr krychlový</translation>
    </message>
    <message>
        <source>Megagram per cubic millimeter</source>
        <translation>Megagram na milimetr krychlový</translation>
    </message>
    <message>
        <source>Gram per cubic meter</source>
        <translation>Gram na metr krychlový</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Hustota</translation>
    </message>
</context>
<context>
    <name>qzUnitDiffusivity</name>
    <message>
        <source>Square meters per second</source>
        <translation>Metr čtvereční za sekundu</translation>
    </message>
    <message>
        <source>Diffusivity</source>
        <translation>Difuzní koeficient</translation>
    </message>
</context>
<context>
    <name>qzUnitDistancePerRevolution</name>
    <message>
        <source>Meter per revolution</source>
        <translation>Metr na otáčku</translation>
    </message>
    <message>
        <source>Centimeter per revolution</source>
        <translation>Centimetr na otáčku</translation>
    </message>
    <message>
        <source>Millimeter per revolution</source>
        <translation>Milimetr na otáčku</translation>
    </message>
    <message>
        <source>Foot per revolution</source>
        <translation>Stopa na otáčku</translation>
    </message>
    <message>
        <source>Inch per revolution</source>
        <translation>Palec na otáčku</translation>
    </message>
    <message>
        <source>Mile per revolution</source>
        <translation>Míle na otáčku</translation>
    </message>
    <message>
        <source>Mil per revolution</source>
        <translation>Tisícina palce na otáčku</translation>
    </message>
    <message>
        <source>Kilometer per revolution</source>
        <translation>Kilometr na otáčku</translation>
    </message>
    <message>
        <source>m/r</source>
        <comment>Einheit Weg pro Umdrehung [m/U]</comment>
        <translation>m/ot</translation>
    </message>
    <message>
        <source>cm/r</source>
        <comment>Einheit Weg pro Umdrehung [cm/U]</comment>
        <translation>cm/ot</translation>
    </message>
    <message>
        <source>mm/r</source>
        <comment>Einheit Weg pro Umdrehung [mm/U]</comment>
        <translation>mm/ot</translation>
    </message>
    <message>
        <source>ft/r</source>
        <comment>Einheit Weg pro Umdrehung [ft/U]</comment>
        <translation>ft/ot</translation>
    </message>
    <message>
        <source>in/r</source>
        <comment>Einheit Weg pro Umdrehung [in/U]</comment>
        <translation>in/ot</translation>
    </message>
    <message>
        <source>mi/r</source>
        <comment>Einheit Weg pro Umdrehung [mi/U]</comment>
        <translation>mi/ot</translation>
    </message>
    <message>
        <source>mil/r</source>
        <comment>Einheit Weg pro Umdrehung [mil/U]</comment>
        <translation>mil/ot</translation>
    </message>
    <message>
        <source>km/r</source>
        <comment>Einheit Weg pro Umdrehung [km/U]</comment>
        <translation>km/ot</translation>
    </message>
    <message>
        <source>Distance per revolution</source>
        <comment>de=Weg pro Umdrehung</comment>
        <translation>Dráha na otáčku</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricField</name>
    <message>
        <source>Volt/meter</source>
        <translation>Volt/metr</translation>
    </message>
    <message>
        <source>V/m</source>
        <translation>V/m</translation>
    </message>
    <message>
        <source>Electric field intensity</source>
        <translation>Intenzita elektrického pole</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalConductivity</name>
    <message>
        <source>1 / (Ohm * meter)</source>
        <translation>1 / (ohm * metr)</translation>
    </message>
    <message>
        <source>1 / (%1Ohm * meter)</source>
        <translation>1 / (%1ohm * metr)</translation>
    </message>
    <message>
        <source>Electrical conductivity</source>
        <translation>Měrná elektrická vodivost</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalCurrentDensity</name>
    <message>
        <source>Ampere per square meter</source>
        <translation>Ampér na metr čtvereční</translation>
    </message>
    <message>
        <source>Microampere per square meter</source>
        <translation>Mikroampér na metr čtvereční</translation>
    </message>
    <message>
        <source>Milliampere per square meter</source>
        <translation>Miliampér na metr čtvereční</translation>
    </message>
    <message>
        <source>Kiloampere per square meter</source>
        <translation>Kiloampér na metr čtvereční</translation>
    </message>
    <message>
        <source>Megaampere per square meter</source>
        <translation>Megaampér na metr čtvereční</translation>
    </message>
    <message>
        <source>Current density</source>
        <translation>Hustota elektrického proudu</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalResistivity</name>
    <message>
        <source>Ohm * meter</source>
        <translation>Ohm * metr</translation>
    </message>
    <message>
        <source>%1Ohm * meter</source>
        <translation>%1ohm * metr</translation>
    </message>
    <message>
        <source>Electrical resistivity</source>
        <comment>Electrical resistivity Material specific value, does not depend on other factors like geometry (DO NOT confuse with &apos;Resistance&apos;)</comment>
        <translation>Měrný elektrický odpor</translation>
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
        <translation>Kilojoule</translation>
    </message>
    <message>
        <source>Kilowatt hour</source>
        <translation>Kilowatthodina</translation>
    </message>
    <message>
        <source>Electron volt</source>
        <translation>Elektronvolt</translation>
    </message>
    <message>
        <source>Kilopond meter</source>
        <translation>Kilopondmetr</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Kalorie (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>Britská tepelná jednotka (IT)</translation>
    </message>
    <message>
        <source>Inch-Pound Force</source>
        <translation>Palec-libra síly</translation>
    </message>
    <message>
        <source>Foot-Pound Force</source>
        <translation>Stopa-libra síly</translation>
    </message>
    <message>
        <source>Megajoule</source>
        <translation>Megajoule</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyDensity</name>
    <message>
        <source>Joule per cubic meter</source>
        <translation>Joule na metr krychlový</translation>
    </message>
    <message>
        <source>Microjoule per cubic meter</source>
        <translation>Mikrojoule na metr krychlový</translation>
    </message>
    <message>
        <source>Millijoule per cubic meter</source>
        <translation>Milijoule na metr krychlový</translation>
    </message>
    <message>
        <source>Kilojoule per cubic meter</source>
        <translation>Kilojoule na metr krychlový</translation>
    </message>
    <message>
        <source>Megajoule per cubic meter</source>
        <translation>Megajoule na metr krychlový</translation>
    </message>
    <message>
        <source>Joule per cubic millimeter</source>
        <translation>Joule na milimetr krychlový</translation>
    </message>
    <message>
        <source>Energy density</source>
        <translation>Hustota energie</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyLength</name>
    <message>
        <source>Energy input per unit length</source>
        <translation>Vnesená energie na jednotku délky</translation>
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
        <translation>Unce síly</translation>
    </message>
    <message>
        <source>Pound (Force)</source>
        <translation>Libra síly</translation>
    </message>
    <message>
        <source>Kilopond</source>
        <translation>Kilopond</translation>
    </message>
    <message>
        <source>Ton (Force)</source>
        <translation>Tuna síly</translation>
    </message>
    <message>
        <source>Dyne</source>
        <translation>Dyn</translation>
    </message>
    <message>
        <source>Kilonewton</source>
        <translation>Kilonewton</translation>
    </message>
    <message>
        <source>Short ton</source>
        <translation>Krátká tuna síly</translation>
    </message>
    <message>
        <source>Long ton</source>
        <translation>Dlouhá tuna síly</translation>
    </message>
    <message>
        <source>Kilopound (Force)</source>
        <translation>Kilolibra síly</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Kilogram síly</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Síla</translation>
    </message>
</context>
<context>
    <name>qzUnitForceLength</name>
    <message>
        <source>Newton per meter</source>
        <translation>Newton na metr</translation>
    </message>
    <message>
        <source>Newton per Millimeter</source>
        <translation>Newton na milimetr</translation>
    </message>
    <message>
        <source>Kilonewton per Millimeter</source>
        <translation>Kilonewton na milimetr</translation>
    </message>
    <message>
        <source>Force per length</source>
        <translation>Síla na jednotku délky</translation>
    </message>
</context>
<context>
    <name>qzUnitForcePerVolume</name>
    <message>
        <source>Newton per cubic meter</source>
        <translation>Newton na metr krychlový</translation>
    </message>
    <message>
        <source>Force per volume</source>
        <translation>Síla na jednotku objemu</translation>
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
        <translation>Kmity za sekundu</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Kmitočet</translation>
    </message>
</context>
<context>
    <name>qzUnitGrainSize</name>
    <message>
        <source>Micrometer</source>
        <translation>Mikrometr</translation>
    </message>
    <message>
        <source>ASTM</source>
        <translation>ASTM</translation>
    </message>
    <message>
        <source>Grain size</source>
        <translation>Velikost zrna</translation>
    </message>
</context>
<context>
    <name>qzUnitHardness</name>
    <message>
        <source>Newton per square meter</source>
        <translation>Newton na metr čtvereční</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Newton na milimetr čtvereční</translation>
    </message>
    <message>
        <source>Pound-force per square inch</source>
        <translation>Libra síly na palec čtvereční</translation>
    </message>
    <message>
        <source>Rockwell hardness</source>
        <translation>Tvrdost podle Rockwella</translation>
    </message>
    <message>
        <source>Brinell hardness</source>
        <translation>Tvrdost podle Brinella</translation>
    </message>
    <message>
        <source>Vickers hardness</source>
        <translation>Tvrdost podle Vickerse</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Tvrdost</translation>
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
        <translation>Kilojoule</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Kalorie (IT)</translation>
    </message>
    <message>
        <source>Kilocalorie (IT)</source>
        <translation>Kilokalorie (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>Britská tepelná jednotka (IT)</translation>
    </message>
    <message>
        <source>Heat energy</source>
        <translation>Teplo</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatCapacity</name>
    <message>
        <source>Heat capacity</source>
        <translation>Tepelná kapacita</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatFlux</name>
    <message>
        <source>Heat flow</source>
        <translation>Hustota tepelného toku</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatTransferCoefficient</name>
    <message>
        <source>Heat transfer coefficient</source>
        <translation>Součinitel přestupu tepla</translation>
    </message>
</context>
<context>
    <name>qzUnitLatentHeat</name>
    <message>
        <source>Joule per kilogram</source>
        <translation>Joule na kilogram</translation>
    </message>
    <message>
        <source>Joule per gram</source>
        <translation>Joule na gram</translation>
    </message>
    <message>
        <source>Millimeter squared per second squared</source>
        <translation>Milimetr čtvereční za sekundu na druhou</translation>
    </message>
    <message>
        <source>Latent heat</source>
        <translation>Měrné skupenské teplo</translation>
    </message>
</context>
<context>
    <name>qzUnitLength</name>
    <message>
        <source>Meter</source>
        <translation>Metr</translation>
    </message>
    <message>
        <source>Centimeter</source>
        <translation>Centimetr</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>Milimetr</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Stopa</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Palec</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>Míle</translation>
    </message>
    <message>
        <source>Mil</source>
        <translation>Tisícina palce</translation>
    </message>
    <message>
        <source>Micron</source>
        <translation>Mikron</translation>
    </message>
    <message>
        <source>Microinch</source>
        <translation>Mikropalec</translation>
    </message>
    <message>
        <source>Kilometer</source>
        <translation>Kilometr</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Délka</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticField</name>
    <message>
        <source>Ampere/meter</source>
        <translation>Ampér/metr</translation>
    </message>
    <message>
        <source>A/m</source>
        <translation>A/m</translation>
    </message>
    <message>
        <source>Magnetic field intensity</source>
        <translation>Intenzita magnetického pole</translation>
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
        <translation>Magnetická indukce</translation>
    </message>
</context>
<context>
    <name>qzUnitMass</name>
    <message>
        <source>Kilogram</source>
        <translation>Kilogram</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation>Gram</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Tuna</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>Unce</translation>
    </message>
    <message>
        <source>Slug</source>
        <translation>Slug</translation>
    </message>
    <message>
        <source>Megagram</source>
        <translation>Megagram</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Hmotnost</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFluxDensity</name>
    <message>
        <source>Kilogram per square meter and second</source>
        <translation>Kilogram na metr čtvereční a sekundu</translation>
    </message>
    <message>
        <source>Mass flux density</source>
        <translation>Hustota hmotnostního toku</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFraction</name>
    <message>
        <source>Weight percent</source>
        <translation>Hmotnostní procento</translation>
    </message>
    <message>
        <source>Weight fraction</source>
        <translation>Hmotnostní podíl</translation>
    </message>
    <message>
        <source>Mass fraction</source>
        <translation>Hmotnostní zlomek</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFractionGradient</name>
    <message>
        <source>Weight percent per meter</source>
        <translation>Hmotnostní procento na metr</translation>
    </message>
    <message>
        <source>Mass fraction gradient</source>
        <translation>Gradient hmotnostního zlomku</translation>
    </message>
</context>
<context>
    <name>qzUnitMomentOfInertia</name>
    <message>
        <source>Moment of inertia</source>
        <translation>Moment setrvačnosti</translation>
    </message>
</context>
<context>
    <name>qzUnitOfInformation</name>
    <message>
        <source>Bytes</source>
        <translation>Bajt</translation>
    </message>
    <message>
        <source>Kilobyte</source>
        <translation>Kilobajt</translation>
    </message>
    <message>
        <source>Megabyte</source>
        <translation>Megabajt</translation>
    </message>
    <message>
        <source>Gigabyte</source>
        <translation>Gigabajt</translation>
    </message>
    <message>
        <source>Terabyte</source>
        <translation>Terabajt</translation>
    </message>
    <message>
        <source>Unit of information</source>
        <translation>Množství informace</translation>
    </message>
</context>
<context>
    <name>qzUnitPercent</name>
    <message>
        <source>Percent</source>
        <translation>Procento</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Poměr</translation>
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
        <translation>Výkon</translation>
    </message>
</context>
<context>
    <name>qzUnitSpecificHeatCapacity</name>
    <message>
        <source>Specific heat capacity</source>
        <translation>Měrná tepelná kapacita</translation>
    </message>
</context>
<context>
    <name>qzUnitSpeed</name>
    <message>
        <source>Meters per second</source>
        <translation>Metr za sekundu</translation>
    </message>
    <message>
        <source>Millimeters per second</source>
        <translation>Milimetr za sekundu</translation>
    </message>
    <message>
        <source>Feet per second</source>
        <translation>Stopa za sekundu</translation>
    </message>
    <message>
        <source>Inches per second</source>
        <translation>Palec za sekundu</translation>
    </message>
    <message>
        <source>Miles per second</source>
        <translation>Míle za sekundu</translation>
    </message>
    <message>
        <source>Meters per minute</source>
        <translation>Metr za minutu</translation>
    </message>
    <message>
        <source>Kilometers per hour</source>
        <translation>Kilometr za hodinu</translation>
    </message>
    <message>
        <source>Centimeters per second</source>
        <translation>Centimetr za sekundu</translation>
    </message>
    <message>
        <source>Centimeters per minute</source>
        <translation>Centimetr za minutu</translation>
    </message>
    <message>
        <source>Inches per minute</source>
        <translation>Palec za minutu</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Rychlost</translation>
    </message>
</context>
<context>
    <name>qzUnitStrainRate</name>
    <message>
        <source>Strain rate</source>
        <translation>Rychlost deformace</translation>
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
        <translation>Technická atmosféra</translation>
    </message>
    <message>
        <source>Physical atmosphere</source>
        <translation>Fyzikální atmosféra</translation>
    </message>
    <message>
        <source>Torr</source>
        <translation>Torr</translation>
    </message>
    <message>
        <source>Pounds per square inch</source>
        <translation>Libra na palec čtvereční</translation>
    </message>
    <message>
        <source>Pounds per square foot</source>
        <translation>Libra na stopu čtvereční</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Newton na milimetr čtvereční</translation>
    </message>
    <message>
        <source>Kilograms per square inch</source>
        <translation>Kilogram na palec čtvereční</translation>
    </message>
    <message>
        <source>Kilograms per square centimeter</source>
        <translation>Kilogram na centimetr čtvereční</translation>
    </message>
    <message>
        <source>Kilograms per square millimeter</source>
        <translation>Kilogram na milimetr čtvereční</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Mechanické napětí</translation>
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
        <translation>Stupeň Celsia</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Stupeň Fahrenheita</translation>
    </message>
    <message>
        <source>Degrees Rankine</source>
        <translation>Stupeň Rankina</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Teplota</translation>
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
        <translation>Stupeň Celsia</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Stupeň Fahrenheita</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Rozdíl teplot</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureGradient</name>
    <message>
        <source>Kelvin per meter</source>
        <translation>Kelvin na metr</translation>
    </message>
    <message>
        <source>Kelvin per centimeter</source>
        <translation>Kelvin na centimetr</translation>
    </message>
    <message>
        <source>Kelvin per millimeter</source>
        <translation>Kelvin na milimetr</translation>
    </message>
    <message>
        <source>Temperature gradient</source>
        <translation>Teplotní gradient</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureRate</name>
    <message>
        <source>Kelvin per second</source>
        <translation>Kelvin za sekundu</translation>
    </message>
    <message>
        <source>Kelvin per minute</source>
        <translation>Kelvin za minutu</translation>
    </message>
    <message>
        <source>Kelvin per hour</source>
        <translation>Kelvin za hodinu</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per second</source>
        <translation>Stupeň Fahrenheita za sekundu</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per minute</source>
        <translation>Stupeň Fahrenheita za minutu</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per hour</source>
        <translation>Stupeň Fahrenheita za hodinu</translation>
    </message>
    <message>
        <source>Temperature rate</source>
        <translation>Rychlost změny teploty</translation>
    </message>
</context>
<context>
    <name>qzUnitThermalConductivity</name>
    <message>
        <source>Thermal conductivity</source>
        <translation>Tepelná vodivost</translation>
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
        <translation>Souč. teplotní roztažnosti</translation>
    </message>
</context>
<context>
    <name>qzUnitTime</name>
    <message>
        <source>Second</source>
        <translation>Sekunda</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuta</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hodina</translation>
    </message>
    <message>
        <source>Millisecond</source>
        <translation>Milisekunda</translation>
    </message>
    <message>
        <source>Microsecond</source>
        <translation>Mikrosekunda</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
</context>
<context>
    <name>qzUnitTorque</name>
    <message>
        <source>Newton meter</source>
        <translation>Newtonmetr</translation>
    </message>
    <message>
        <source>Foot pounds</source>
        <translation>Stopa-libra</translation>
    </message>
    <message>
        <source>Inch pounds</source>
        <translation>Palec-libra</translation>
    </message>
    <message>
        <source>Inch ounce-force</source>
        <translation>Palec-unce síly</translation>
    </message>
    <message>
        <source>Foot ounce-force</source>
        <translation>Stopa-unce síly</translation>
    </message>
    <message>
        <source>Foot-poundal</source>
        <translation>Stopa-poundal</translation>
    </message>
    <message>
        <source>Kilogram-force meter</source>
        <translation>Kilogram síly krát metr</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Točivý moment</translation>
    </message>
</context>
<context>
    <name>qzUnitTripCoefficient</name>
    <message>
        <source>Square millimeter per newton</source>
        <translation>Milimetr čtvereční na newton</translation>
    </message>
    <message>
        <source>Square inch per kilopound</source>
        <translation>Palec čtvereční na kilolibru</translation>
    </message>
    <message>
        <source>Square meter per newton</source>
        <translation>Metr čtvereční na newton</translation>
    </message>
    <message>
        <source>Trip coefficient</source>
        <translation>Koeficient TRIP</translation>
    </message>
</context>
<context>
    <name>qzUnitTurningStiffness</name>
    <message>
        <source>Turning stiffness</source>
        <translation>Torzní tuhost</translation>
    </message>
</context>
<context>
    <name>qzUnitUndefined</name>
    <message>
        <source>Size of dimension one</source>
        <translation>Veličina s rozměrem jedna</translation>
    </message>
</context>
<context>
    <name>qzUnitValue</name>
    <message>
        <source>unknown unit &apos;%1&apos;</source>
        <translation>neznámá jednotka „%1“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is of the physical dimension %2, which no dimension of the library has</source>
        <translation>„%1“ má fyzikální rozměr %2, který žádná veličina knihovny nemá</translation>
    </message>
    <message>
        <source>unknown unit &apos;%1&apos; for %2</source>
        <translation>neznámá jednotka „%1“ pro %2</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; měli jste na mysli %1?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a unit of %2, not of %3</source>
        <translation>„%1“ je jednotka veličiny %2, ne %3</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: %2</source>
        <translation>nejednoznačná jednotka „%1“: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the decimal comma is not read in this locale</source>
        <translation>„%1“: desetinná čárka se v tomto národním prostředí nečte</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not start with a number</source>
        <translation>„%1“ nezačíná číslem</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the unit in &apos;%2&apos;</source>
        <translation>neočekávané „%1“ za jednotkou v „%2“</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too close to zero for a double</source>
        <translation>číslo v „%1“ je pro double příliš blízko nule</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too large for a double</source>
        <translation>číslo v „%1“ je pro double příliš velké</translation>
    </message>
    <message>
        <source>the fraction in &apos;%1&apos; divides by zero</source>
        <translation>zlomek v „%1“ dělí nulou</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no unit</source>
        <translation>„%1“ nemá jednotku</translation>
    </message>
    <message>
        <source>cannot add &apos;%1&apos; to a value of %2 in &apos;%3&apos;</source>
        <translation>„%1“ nelze přičíst k hodnotě veličiny %2 v „%3“</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; can be read as %3 or as %4</source>
        <translation>„%1“: „%2“ lze číst jako %3 nebo jako %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the apostrophe in &apos;%2&apos; can be a foot mark or a thousands separator</source>
        <translation>„%1“: apostrof v „%2“ může být značkou stopy nebo oddělovačem tisíců</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; has more than one decimal point</source>
        <translation>„%1“: „%2“ má více než jeden desetinný oddělovač</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the separators in &apos;%2&apos; do not form a number in this locale</source>
        <translation>„%1“: oddělovače v „%2“ v tomto národním prostředí netvoří číslo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; converts with the factor %2 %3 kept for stored documents; its definition gives %4 %3</source>
        <translation>„%1“ se přepočítává s koeficientem %2 %3 zachovaným pro uložené dokumenty; podle definice je %4 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read with its defined factor, %2 %3; stored documents keep %4 %3 for it</source>
        <translation>„%1“ se čte se svým definovaným koeficientem %2 %3; uložené dokumenty pro ni zachovávají %4 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a gauge or absolute pressure, whose reference a value cannot keep; type the pressure in psi or bar</source>
        <translation>„%1“ je přetlak nebo absolutní tlak, jehož vztažnou hodnotu nemůže hodnota uchovat; zadejte tlak v psi nebo bar</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: written as a unit of %2, it reads physically as %3</source>
        <translation>nejednoznačná jednotka „%1“: zapsána jako jednotka veličiny %2, fyzikálně odpovídá %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read as %2; it is also a unit of %3</source>
        <translation>„%1“ se čte jako %2; je to také jednotka veličiny %3</translation>
    </message>
    <message>
        <source>nothing was typed</source>
        <translation>nebylo nic zadáno</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below absolute zero</source>
        <translation>„%1“ leží pod absolutní nulou</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádné</translation>
    </message>
    <message>
        <source>the first operand has no dimension</source>
        <translation>první operand nemá veličinu</translation>
    </message>
    <message>
        <source>the second operand has no dimension</source>
        <translation>druhý operand nemá veličinu</translation>
    </message>
    <message>
        <source>the first operand is %1, not a finite number</source>
        <translation>první operand je %1, ne konečné číslo</translation>
    </message>
    <message>
        <source>the second operand is %1, not a finite number</source>
        <translation>druhý operand je %1, ne konečné číslo</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, which no dimension has</source>
        <translation>%1 má exponenty %2, které nemá žádná veličina</translation>
    </message>
    <message>
        <source>the result %1 names no dimension</source>
        <translation>výsledek %1 neoznačuje žádnou veličinu</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, not those of %3 (%4); dimensions with %2: %5</source>
        <translation>%1 má exponenty %2, ne exponenty %3 (%4); veličiny s %2: %5</translation>
    </message>
    <message>
        <source>%1 divides by zero</source>
        <translation>%1 dělí nulou</translation>
    </message>
    <message>
        <source>%1 overflows a double</source>
        <translation>%1 přesahuje rozsah typu double</translation>
    </message>
</context>
<context>
    <name>qzUnitValueEdit</name>
    <message>
        <source>The text is longer than %1 characters</source>
        <translation>Text je delší než %1 znaků</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too small: at least %2</source>
        <translation>„%1“ je příliš malé: nejméně %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: at most %2</source>
        <translation>„%1“ je příliš velké: nejvýše %2</translation>
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
        <translation>Elektrické napětí</translation>
    </message>
</context>
<context>
    <name>qzUnitVolume</name>
    <message>
        <source>Cubic meter</source>
        <translation>Metr krychlový</translation>
    </message>
    <message>
        <source>Cubic centimeter</source>
        <translation>Centimetr krychlový</translation>
    </message>
    <message>
        <source>Cubic millimeter</source>
        <translation>Milimetr krychlový</translation>
    </message>
    <message>
        <source>Cubic foot</source>
        <translation>Stopa krychlová</translation>
    </message>
    <message>
        <source>Cubic inch</source>
        <translation>Palec krychlový</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Objem</translation>
    </message>
</context>
<context>
    <name>qzUnitVolumePerTime</name>
    <message>
        <source>cubic meters per second</source>
        <translation>Metr krychlový za sekundu</translation>
    </message>
    <message>
        <source>liters per second</source>
        <translation>Litr za sekundu</translation>
    </message>
    <message>
        <source>liters per minute</source>
        <translation>Litr za minutu</translation>
    </message>
    <message>
        <source>cubic meters per minute</source>
        <translation>Metr krychlový za minutu</translation>
    </message>
    <message>
        <source>cubic centimeters per hour</source>
        <translation>Centimetr krychlový za hodinu</translation>
    </message>
    <message>
        <source>cubic centimeters per second</source>
        <translation>Centimetr krychlový za sekundu</translation>
    </message>
    <message>
        <source>cubic millimeters per second</source>
        <translation>Milimetr krychlový za sekundu</translation>
    </message>
    <message>
        <source>Volume flow</source>
        <translation>Objemový průtok</translation>
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
        <translation>SI (milimetry)</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperiální</translation>
    </message>
    <message>
        <source>US customary</source>
        <translation>Americká obvyklá</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>&amp;Unit system:</source>
        <translation>&amp;Soustava jednotek:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
</context>
<context>
    <name>qzunit</name>
    <message>
        <source>Value</source>
        <translation>Hodnota</translation>
    </message>
    <message>
        <source>Enumerator</source>
        <translation>Výčtová konstanta</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>Anglický název</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Jednotky</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Značka</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Poznámky</translation>
    </message>
    <message>
        <source>SI unit</source>
        <translation>Jednotka SI</translation>
    </message>
    <message>
        <source>view unit</source>
        <translation>zobrazovaná jednotka</translation>
    </message>
    <message>
        <source>&apos;%1&apos; bytes is too large: counts reach %2</source>
        <translation>„%1“ bajtů je příliš mnoho: počty sahají do %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number of bytes</source>
        <translation>„%1“ není celý počet bajtů</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>dělení nulou</translation>
    </message>
    <message>
        <source>a number divided by a value has no dimension of the library</source>
        <translation>číslo dělené hodnotou nemá žádnou veličinu knihovny</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>číslo</translation>
    </message>
    <message>
        <source>cannot add %1 and %2: different dimensions</source>
        <translation>%1 a %2 nelze sečíst: různé veličiny</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>neočekávané „%1“ v „%2“</translation>
    </message>
    <message>
        <source>missing &apos;)&apos; in &apos;%1&apos;</source>
        <translation>chybí „)“ v „%1“</translation>
    </message>
    <message>
        <source>missing value in &apos;%1&apos;</source>
        <translation>chybí hodnota v „%1“</translation>
    </message>
    <message>
        <source>the result is of %1, not of %2</source>
        <translation>výsledek je veličina %1, ne %2</translation>
    </message>
    <message>
        <source>cannot express %1 in &apos;%2&apos;</source>
        <translation>%1 nelze vyjádřit v „%2“</translation>
    </message>
    <message>
        <source>unknown dimension &apos;%1&apos; (see qzunit dimensions)</source>
        <translation>neznámá veličina „%1“ (viz qzunit dimensions)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos; (one of %2)</source>
        <translation>neznámá předvolba „%1“ (jedna z %2)</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>poznámka: %1</translation>
    </message>
    <message>
        <source>note: %1 read as %2 (also %3); choose another with --dimension</source>
        <translation>poznámka: %1 přečteno jako %2 (také %3); jinou zvolte pomocí --dimension</translation>
    </message>
    <message>
        <source>%1 fits several dimensions: %2 (choose one with --dimension)</source>
        <translation>%1 odpovídá několika veličinám: %2 (jednu zvolte pomocí --dimension)</translation>
    </message>
    <message>
        <source>no target unit after &apos;%1 %2&apos;</source>
        <translation>za „%1 %2“ chybí cílová jednotka</translation>
    </message>
    <message>
        <source>cannot convert &apos;%1&apos; (%2) to &apos;%3&apos; (%4): different dimensions</source>
        <translation>„%1“ (%2) nelze převést na „%3“ (%4): různé veličiny</translation>
    </message>
    <message>
        <source>&apos;%1&apos; to &apos;%2&apos;</source>
        <translation>„%1“ na „%2“</translation>
    </message>
    <message>
        <source>warning: %1 lies outside the validity range of %2 (%3 to %4)</source>
        <translation>varování: %1 leží mimo rozsah platnosti %2 (%3 až %4)</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>za „%1“ chybí hodnota</translation>
    </message>
    <message>
        <source>invalid --format &apos;%1&apos; (one of g, f, e)</source>
        <translation>neplatný --format „%1“ (jeden z g, f, e)</translation>
    </message>
    <message>
        <source>invalid --precision &apos;%1&apos; (a whole number from 0 to 99)</source>
        <translation>neplatná --precision „%1“ (celé číslo od 0 do 99)</translation>
    </message>
    <message>
        <source>no command given (one of %1; see qzunit --help)</source>
        <translation>není zadán příkaz (jeden z %1; viz qzunit --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (one of %2)</source>
        <translation>neznámý příkaz „%1“ (jeden z %2)</translation>
    </message>
    <message>
        <source>usage: qzunit %1 %2</source>
        <translation>použití: qzunit %1 %2</translation>
    </message>
    <message>
        <source>option --%1 does not apply to %2</source>
        <translation>volba --%1 se na %2 nevztahuje</translation>
    </message>
    <message>
        <source>note: &apos;%1&apos; keeps the factor %2 for stored data; physically it is %3 %4</source>
        <translation>poznámka: „%1“ si pro uložená data ponechává faktor %2; fyzikálně je to %3 %4</translation>
    </message>
</context>
</TS>
