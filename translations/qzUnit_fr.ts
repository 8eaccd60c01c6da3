<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ExampleWindow</name>
    <message>
        <source>Gauge length</source>
        <translation>Longueur entre repères</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Maximum force</source>
        <translation>Force maximale</translation>
    </message>
    <message>
        <source>Yield strength</source>
        <translation>Limite d&apos;élasticité</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>Température d&apos;essai</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureté</translation>
    </message>
    <message>
        <source>Tensile test</source>
        <translation>Essai de traction</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Specimen</source>
        <translation>Éprouvette</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>View units</source>
        <translation>Unités d&apos;affichage</translation>
    </message>
</context>
<context>
    <name>XmlReaderWriterBase</name>
    <message>
        <source>Invalid XML element %0: &apos;%1&apos;</source>
        <translation>Élément XML %0 non valide : « %1 »</translation>
    </message>
    <message>
        <source>Invalid XML attribute %0: &apos;%1&apos;</source>
        <translation>Attribut XML %0 non valide : « %1 »</translation>
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
        <translation>Joule par kilogramme</translation>
    </message>
    <message>
        <source>Square meter per square second</source>
        <translation>Mètre carré par seconde carrée</translation>
    </message>
    <message>
        <source>Absorbed dose (of radiation)</source>
        <translation>Dose absorbée (rayonnement)</translation>
    </message>
</context>
<context>
    <name>qzUnitAcceleration</name>
    <message>
        <source>Meter per square second</source>
        <translation>Mètre par seconde carrée</translation>
    </message>
    <message>
        <source>Inches per square second</source>
        <translation>Pouce par seconde carrée</translation>
    </message>
    <message>
        <source>Feet per square second</source>
        <translation>Pied par seconde carrée</translation>
    </message>
    <message>
        <source>Inches per minute per second</source>
        <translation>Pouce par minute par seconde</translation>
    </message>
    <message>
        <source>Feet per minute per second</source>
        <translation>Pied par minute par seconde</translation>
    </message>
    <message>
        <source>Miles per hour per second</source>
        <translation>Mille par heure par seconde</translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation>Gal</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Accélération</translation>
    </message>
</context>
<context>
    <name>qzUnitAngle</name>
    <message>
        <source>Radian</source>
        <translation>Radian</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Degré</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
</context>
<context>
    <name>qzUnitAngularVelocity</name>
    <message>
        <source>Radians per second</source>
        <translation>Radian par seconde</translation>
    </message>
    <message>
        <source>Revolutions per second</source>
        <translation>Tour par seconde</translation>
    </message>
    <message>
        <source>Rps</source>
        <translation>tr/s</translation>
    </message>
    <message>
        <source>Revolutions per minute</source>
        <translation>Tour par minute</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>Revolutions per hour</source>
        <translation>Tour par heure</translation>
    </message>
    <message>
        <source>Rph</source>
        <translation>tr/h</translation>
    </message>
    <message>
        <source>Angle velocity</source>
        <translation>Vitesse angulaire</translation>
    </message>
</context>
<context>
    <name>qzUnitArea</name>
    <message>
        <source>Square meter</source>
        <translation>Mètre carré</translation>
    </message>
    <message>
        <source>Square centimeter</source>
        <translation>Centimètre carré</translation>
    </message>
    <message>
        <source>Square millimeter</source>
        <translation>Millimètre carré</translation>
    </message>
    <message>
        <source>Square micrometer</source>
        <translation>Micromètre carré</translation>
    </message>
    <message>
        <source>Square kilometer</source>
        <translation>Kilomètre carré</translation>
    </message>
    <message>
        <source>Square foot</source>
        <translation>Pied carré</translation>
    </message>
    <message>
        <source>Square inch</source>
        <translation>Pouce carré</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Aire</translation>
    </message>
</context>
<context>
    <name>qzUnitAreicElectricalConductivity</name>
    <message>
        <source>per ohm square meter</source>
        <translation>par ohm-mètre carré</translation>
    </message>
    <message>
        <source>per milliohm square meter</source>
        <translation>par milliohm-mètre carré</translation>
    </message>
    <message>
        <source>per microhm square meter</source>
        <translation>par microhm-mètre carré</translation>
    </message>
    <message>
        <source>per nanoohm square meter</source>
        <translation>par nanoohm-mètre carré</translation>
    </message>
    <message>
        <source>Electrical contact conductivity</source>
        <translation>Conductance électrique de contact</translation>
    </message>
</context>
<context>
    <name>qzUnitCurrent</name>
    <message>
        <source>Ampere</source>
        <translation>Ampère</translation>
    </message>
    <message>
        <source>Milliampere</source>
        <translation>Milliampère</translation>
    </message>
    <message>
        <source>Kiloampere</source>
        <translation>Kiloampère</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Courant électrique</translation>
    </message>
</context>
<context>
    <name>qzUnitDensity</name>
    <message>
        <source>Kilograms per cubic meter</source>
        <translation>Kilogramme par mètre cube</translation>
    </message>
    <message>
        <source>Kilograms per cubic centimeter</source>
        <translation>Kilogramme par centimètre cube</translation>
    </message>
    <message>
        <source>Kilograms per cubic millimeter</source>
        <translation>Kilogramme par millimètre cube</translation>
    </message>
    <message>
        <source>Pound per cubic foot</source>
        <translation>Livre par pied cube</translation>
    </message>
    <message>
        <source>Pound per cubic inch</source>
        <translation>Livre par pouce cube</translation>
    </message>
    <message>
        <source>Ton per cubic centimeter</source>
        <translation>Tonne par centimètre cube</translation>
    </message>
    <message>
        <source>Gram per cubic centimeter</source>
        <translation>Gramme par centimètre cube</translation>
    </message>
    <message>
        <source>Megagram per cubic millimeter</source>
        <translation>Mégagramme par millimètre cube</translation>
    </message>
    <message>
        <source>Gram per cubic meter</source>
        <translation>Gramme par mètre cube</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Masse volumique</translation>
    </message>
</context>
<context>
    <name>qzUnitDiffusivity</name>
    <message>
        <source>Square meters per second</source>
        <translation>Mètre carré par seconde</translation>
    </message>
    <message>
        <source>Diffusivity</source>
        <translation>Coefficient de diffusion</translation>
    </message>
</context>
<context>
    <name>qzUnitDistancePerRevolution</name>
    <message>
        <source>Meter per revolution</source>
        <translation>Mètre par tour</translation>
    </message>
    <message>
        <source>Centimeter per revolution</source>
        <translation>Centimètre par tour</translation>
    </message>
    <message>
        <source>Millimeter per revolution</source>
        <translation>Millimètre par tour</translation>
    </message>
    <message>
        <source>Foot per revolution</source>
        <translation>Pied par tour</translation>
    </message>
    <message>
        <source>Inch per revolution</source>
        <translation>Pouce par tour</translation>
    </message>
    <message>
        <source>Mile per revolution</source>
        <translation>Mille par tour</translation>
    </message>
    <message>
        <source>Mil per revolution</source>
        <translation>Mil par tour</translation>
    </message>
    <message>
        <source>Kilometer per revolution</source>
        <translation>Kilomètre par tour</translation>
    </message>
    <message>
        <source>m/r</source>
        <comment>Einheit Weg pro Umdrehung [m/U]</comment>
        <translation>m/tr</translation>
    </message>
    <message>
        <source>cm/r</source>
        <comment>Einheit Weg pro Umdrehung [cm/U]</comment>
        <translation>cm/tr</translation>
    </message>
    <message>
        <source>mm/r</source>
        <comment>Einheit Weg pro Umdrehung [mm/U]</comment>
        <translation>mm/tr</translation>
    </message>
    <message>
        <source>ft/r</source>
        <comment>Einheit Weg pro Umdrehung [ft/U]</comment>
        <translation>ft/tr</translation>
    </message>
    <message>
        <source>in/r</source>
        <comment>Einheit Weg pro Umdrehung [in/U]</comment>
        <translation>in/tr</translation>
    </message>
    <message>
        <source>mi/r</source>
        <comment>Einheit Weg pro Umdrehung [mi/U]</comment>
        <translation>mi/tr</translation>
    </message>
    <message>
        <source>mil/r</source>
        <comment>Einheit Weg pro Umdrehung [mil/U]</comment>
        <translation>mil/tr</translation>
    </message>
    <message>
        <source>km/r</source>
        <comment>Einheit Weg pro Umdrehung [km/U]</comment>
        <translation>km/tr</translation>
    </message>
    <message>
        <source>Distance per revolution</source>
        <comment>de=Weg pro Umdrehung</comment>
        <translation>Distance par tour</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricField</name>
    <message>
        <source>Volt/meter</source>
        <translation>Volt/mètre</translation>
    </message>
    <message>
        <source>V/m</source>
        <translation>V/m</translation>
    </message>
    <message>
        <source>Electric field intensity</source>
        <translation>Champ électrique</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalConductivity</name>
    <message>
        <source>1 / (Ohm * meter)</source>
        <translation>1 / (ohm * mètre)</translation>
    </message>
    <message>
        <source>1 / (%1Ohm * meter)</source>
        <translation>1 / (%1ohm * mètre)</translation>
    </message>
    <message>
        <source>Electrical conductivity</source>
        <translation>Conductivité électrique</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalCurrentDensity</name>
    <message>
        <source>Ampere per square meter</source>
        <translation>Ampère par mètre carré</translation>
    </message>
    <message>
        <source>Microampere per square meter</source>
        <translation>Microampère par mètre carré</translation>
    </message>
    <message>
        <source>Milliampere per square meter</source>
        <translation>Milliampère par mètre carré</translation>
    </message>
    <message>
        <source>Kiloampere per square meter</source>
        <translation>Kiloampère par mètre carré</translation>
    </message>
    <message>
        <source>Megaampere per square meter</source>
        <translation>Mégaampère par mètre carré</translation>
    </message>
    <message>
        <source>Current density</source>
        <translation>Densité de courant</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalResistivity</name>
    <message>
        <source>Ohm * meter</source>
        <translation>Ohm * mètre</translation>
    </message>
    <message>
        <source>%1Ohm * meter</source>
        <translation>%1ohm * mètre</translation>
    </message>
    <message>
        <source>Electrical resistivity</source>
        <comment>Electrical resistivity Material specific value, does not depend on other factors like geometry (DO NOT confuse with &apos;Resistance&apos;)</comment>
        <translation>Résistivité électrique</translation>
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
        <translation>Kilowattheure</translation>
    </message>
    <message>
        <source>Electron volt</source>
        <translation>Électronvolt</translation>
    </message>
    <message>
        <source>Kilopond meter</source>
        <translation>Kilopond-mètre</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Calorie (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>British thermal unit (IT)</translation>
    </message>
    <message>
        <source>Inch-Pound Force</source>
        <translation>Pouce-livre-force</translation>
    </message>
    <message>
        <source>Foot-Pound Force</source>
        <translation>Pied-livre-force</translation>
    </message>
    <message>
        <source>Megajoule</source>
        <translation>Mégajoule</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyDensity</name>
    <message>
        <source>Joule per cubic meter</source>
        <translation>Joule par mètre cube</translation>
    </message>
    <message>
        <source>Microjoule per cubic meter</source>
        <translation>Microjoule par mètre cube</translation>
    </message>
    <message>
        <source>Millijoule per cubic meter</source>
        <translation>Millijoule par mètre cube</translation>
    </message>
    <message>
        <source>Kilojoule per cubic meter</source>
        <translation>Kilojoule par mètre cube</translation>
    </message>
    <message>
        <source>Megajoule per cubic meter</source>
        <translation>Mégajoule par mètre cube</translation>
    </message>
    <message>
        <source>Joule per cubic millimeter</source>
        <translation>Joule par millimètre cube</translation>
    </message>
    <message>
        <source>Energy density</source>
        <translation>Énergie volumique</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyLength</name>
    <message>
        <source>Energy input per unit length</source>
        <translation>Énergie linéique</translation>
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
        <translation>Once-force</translation>
    </message>
    <message>
        <source>Pound (Force)</source>
        <translation>Livre-force</translation>
    </message>
    <message>
        <source>Kilopond</source>
        <translation>Kilopond</translation>
    </message>
    <message>
        <source>Ton (Force)</source>
        <translation>Tonne-force</translation>
    </message>
    <message>
        <source>Dyne</source>
        <translation>Dyne</translation>
    </message>
    <message>
        <source>Kilonewton</source>
        <translation>Kilonewton</translation>
    </message>
    <message>
        <source>Short ton</source>
        <translation>Tonne courte</translation>
    </message>
    <message>
        <source>Long ton</source>
        <translation>Tonne longue</translation>
    </message>
    <message>
        <source>Kilopound (Force)</source>
        <translation>Kilolivre-force</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Kilogramme-force</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Force</translation>
    </message>
</context>
<context>
    <name>qzUnitForceLength</name>
    <message>
        <source>Newton per meter</source>
        <translation>Newton par mètre</translation>
    </message>
    <message>
        <source>Newton per Millimeter</source>
        <translation>Newton par millimètre</translation>
    </message>
    <message>
        <source>Kilonewton per Millimeter</source>
        <translation>Kilonewton par millimètre</translation>
    </message>
    <message>
        <source>Force per length</source>
        <translation>Force linéique</translation>
    </message>
</context>
<context>
    <name>qzUnitForcePerVolume</name>
    <message>
        <source>Newton per cubic meter</source>
        <translation>Newton par mètre cube</translation>
    </message>
    <message>
        <source>Force per volume</source>
        <translation>Force volumique</translation>
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
        <translation>Vibration par seconde</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
</context>
<context>
    <name>qzUnitGrainSize</name>
    <message>
        <source>Micrometer</source>
        <translation>Micromètre</translation>
    </message>
    <message>
        <source>ASTM</source>
        <translation>ASTM</translation>
    </message>
    <message>
        <source>Grain size</source>
        <translation>Grosseur de grain</translation>
    </message>
</context>
<context>
    <name>qzUnitHardness</name>
    <message>
        <source>Newton per square meter</source>
        <translation>Newton par mètre carré</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Newton par millimètre carré</translation>
    </message>
    <message>
        <source>Pound-force per square inch</source>
        <translation>Livre-force par pouce carré</translation>
    </message>
    <message>
        <source>Rockwell hardness</source>
        <translation>Dureté Rockwell</translation>
    </message>
    <message>
        <source>Brinell hardness</source>
        <translation>Dureté Brinell</translation>
    </message>
    <message>
        <source>Vickers hardness</source>
        <translation>Dureté Vickers</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureté</translation>
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
        <translation>Calorie (IT)</translation>
    </message>
    <message>
        <source>Kilocalorie (IT)</source>
        <translation>Kilocalorie (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>British thermal unit (IT)</translation>
    </message>
    <message>
        <source>Heat energy</source>
        <translation>Quantité de chaleur</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatCapacity</name>
    <message>
        <source>Heat capacity</source>
        <translation>Capacité thermique</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatFlux</name>
    <message>
        <source>Heat flow</source>
        <translation>Densité de flux thermique</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatTransferCoefficient</name>
    <message>
        <source>Heat transfer coefficient</source>
        <translation>Coefficient de transfert thermique</translation>
    </message>
</context>
<context>
    <name>qzUnitLatentHeat</name>
    <message>
        <source>Joule per kilogram</source>
        <translation>Joule par kilogramme</translation>
    </message>
    <message>
        <source>Joule per gram</source>
        <translation>Joule par gramme</translation>
    </message>
    <message>
        <source>Millimeter squared per second squared</source>
        <translation>Millimètre carré par seconde carrée</translation>
    </message>
    <message>
        <source>Latent heat</source>
        <translation>Chaleur latente</translation>
    </message>
</context>
<context>
    <name>qzUnitLength</name>
    <message>
        <source>Meter</source>
        <translation>Mètre</translation>
    </message>
    <message>
        <source>Centimeter</source>
        <translation>Centimètre</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>Millimètre</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Pied</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Pouce</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>Mille</translation>
    </message>
    <message>
        <source>Mil</source>
        <translation>Mil</translation>
    </message>
    <message>
        <source>Micron</source>
        <translation>Micron</translation>
    </message>
    <message>
        <source>Microinch</source>
        <translation>Micropouce</translation>
    </message>
    <message>
        <source>Kilometer</source>
        <translation>Kilomètre</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticField</name>
    <message>
        <source>Ampere/meter</source>
        <translation>Ampère/mètre</translation>
    </message>
    <message>
        <source>A/m</source>
        <translation>A/m</translation>
    </message>
    <message>
        <source>Magnetic field intensity</source>
        <translation>Champ magnétique</translation>
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
        <translation>Induction magnétique</translation>
    </message>
</context>
<context>
    <name>qzUnitMass</name>
    <message>
        <source>Kilogram</source>
        <translation>Kilogramme</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation>Gramme</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Tonne</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>Slug</source>
        <translation>Slug</translation>
    </message>
    <message>
        <source>Megagram</source>
        <translation>Mégagramme</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFluxDensity</name>
    <message>
        <source>Kilogram per square meter and second</source>
        <translation>Kilogramme par mètre carré et par seconde</translation>
    </message>
    <message>
        <source>Mass flux density</source>
        <translation>Densité de flux massique</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFraction</name>
    <message>
        <source>Weight percent</source>
        <translation>Pourcentage pondéral</translation>
    </message>
    <message>
        <source>Weight fraction</source>
        <translation>Fraction pondérale</translation>
    </message>
    <message>
        <source>Mass fraction</source>
        <translation>Fraction massique</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFractionGradient</name>
    <message>
        <source>Weight percent per meter</source>
        <translation>Pourcentage pondéral par mètre</translation>
    </message>
    <message>
        <source>Mass fraction gradient</source>
        <translation>Gradient de fraction massique</translation>
    </message>
</context>
<context>
    <name>qzUnitMomentOfInertia</name>
    <message>
        <source>Moment of inertia</source>
        <translation>Moment d&apos;inertie</translation>
    </message>
</context>
<context>
    <name>qzUnitOfInformation</name>
    <message>
        <source>Bytes</source>
        <translation>Octet</translation>
    </message>
    <message>
        <source>Kilobyte</source>
        <translation>Kilooctet</translation>
    </message>
    <message>
        <source>Megabyte</source>
        <translation>Mégaoctet</translation>
    </message>
    <message>
        <source>Gigabyte</source>
        <translation>Gigaoctet</translation>
    </message>
    <message>
        <source>Terabyte</source>
        <translation>Téraoctet</translation>
    </message>
    <message>
        <source>Unit of information</source>
        <translation>Quantité d&apos;information</translation>
    </message>
</context>
<context>
    <name>qzUnitPercent</name>
    <message>
        <source>Percent</source>
        <translation>Pour cent</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Rapport</translation>
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
        <translation>Puissance</translation>
    </message>
</context>
<context>
    <name>qzUnitSpecificHeatCapacity</name>
    <message>
        <source>Specific heat capacity</source>
        <translation>Capacité thermique massique</translation>
    </message>
</context>
<context>
    <name>qzUnitSpeed</name>
    <message>
        <source>Meters per second</source>
        <translation>Mètre par seconde</translation>
    </message>
    <message>
        <source>Millimeters per second</source>
        <translation>Millimètre par seconde</translation>
    </message>
    <message>
        <source>Feet per second</source>
        <translation>Pied par seconde</translation>
    </message>
    <message>
        <source>Inches per second</source>
        <translation>Pouce par seconde</translation>
    </message>
    <message>
        <source>Miles per second</source>
        <translation>Mille par seconde</translation>
    </message>
    <message>
        <source>Meters per minute</source>
        <translation>Mètre par minute</translation>
    </message>
    <message>
        <source>Kilometers per hour</source>
        <translation>Kilomètre par heure</translation>
    </message>
    <message>
        <source>Centimeters per second</source>
        <translation>Centimètre par seconde</translation>
    </message>
    <message>
        <source>Centimeters per minute</source>
        <translation>Centimètre par minute</translation>
    </message>
    <message>
        <source>Inches per minute</source>
        <translation>Pouce par minute</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
</context>
<context>
    <name>qzUnitStrainRate</name>
    <message>
        <source>Strain rate</source>
        <translation>Vitesse de déformation</translation>
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
        <translation>Mégapascal</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Kilopascal</translation>
    </message>
    <message>
        <source>Pièze</source>
        <translation>Pièze</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Technical atmosphere</source>
        <translation>Atmosphère technique</translation>
    </message>
    <message>
        <source>Physical atmosphere</source>
        <translation>Atmosphère physique</translation>
    </message>
    <message>
        <source>Torr</source>
        <translation>Torr</translation>
    </message>
    <message>
        <source>Pounds per square inch</source>
        <translation>Livre par pouce carré</translation>
    </message>
    <message>
        <source>Pounds per square foot</source>
        <translation>Livre par pied carré</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Newton par millimètre carré</translation>
    </message>
    <message>
        <source>Kilograms per square inch</source>
        <translation>Kilogramme par pouce carré</translation>
    </message>
    <message>
        <source>Kilograms per square centimeter</source>
        <translation>Kilogramme par centimètre carré</translation>
    </message>
    <message>
        <source>Kilograms per square millimeter</source>
        <translation>Kilogramme par millimètre carré</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Contrainte mécanique</translation>
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
        <translation>Degré Celsius</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Degré Fahrenheit</translation>
    </message>
    <message>
        <source>Degrees Rankine</source>
        <translation>Degré Rankine</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
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
        <translation>Degré Celsius</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Degré Fahrenheit</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Différence de température</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureGradient</name>
    <message>
        <source>Kelvin per meter</source>
        <translation>Kelvin par mètre</translation>
    </message>
    <message>
        <source>Kelvin per centimeter</source>
        <translation>Kelvin par centimètre</translation>
    </message>
    <message>
        <source>Kelvin per millimeter</source>
        <translation>Kelvin par millimètre</translation>
    </message>
    <message>
        <source>Temperature gradient</source>
        <translation>Gradient de température</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureRate</name>
    <message>
        <source>Kelvin per second</source>
        <translation>Kelvin par seconde</translation>
    </message>
    <message>
        <source>Kelvin per minute</source>
        <translation>Kelvin par minute</translation>
    </message>
    <message>
        <source>Kelvin per hour</source>
        <translation>Kelvin par heure</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per second</source>
        <translation>Degré Fahrenheit par seconde</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per minute</source>
        <translation>Degré Fahrenheit par minute</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per hour</source>
        <translation>Degré Fahrenheit par heure</translation>
    </message>
    <message>
        <source>Temperature rate</source>
        <translation>Vitesse de variation de température</translation>
    </message>
</context>
<context>
    <name>qzUnitThermalConductivity</name>
    <message>
        <source>Thermal conductivity</source>
        <translation>Conductivité thermique</translation>
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
        <translation>Coeff. de dilatation thermique</translation>
    </message>
</context>
<context>
    <name>qzUnitTime</name>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Millisecond</source>
        <translation>Milliseconde</translation>
    </message>
    <message>
        <source>Microsecond</source>
        <translation>Microseconde</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>qzUnitTorque</name>
    <message>
        <source>Newton meter</source>
        <translation>Newton-mètre</translation>
    </message>
    <message>
        <source>Foot pounds</source>
        <translation>Pied-livre</translation>
    </message>
    <message>
        <source>Inch pounds</source>
        <translation>Pouce-livre</translation>
    </message>
    <message>
        <source>Inch ounce-force</source>
        <translation>Pouce-once-force</translation>
    </message>
    <message>
        <source>Foot ounce-force</source>
        <translation>Pied-once-force</translation>
    </message>
    <message>
        <source>Foot-poundal</source>
        <translation>Pied-poundal</translation>
    </message>
    <message>
        <source>Kilogram-force meter</source>
        <translation>Kilogramme-force-mètre</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Couple</translation>
    </message>
</context>
<context>
    <name>qzUnitTripCoefficient</name>
    <message>
        <source>Square millimeter per newton</source>
        <translation>Millimètre carré par newton</translation>
    </message>
    <message>
        <source>Square inch per kilopound</source>
        <translation>Pouce carré par kilolivre</translation>
    </message>
    <message>
        <source>Square meter per newton</source>
        <translation>Mètre carré par newton</translation>
    </message>
    <message>
        <source>Trip coefficient</source>
        <translation>Coefficient TRIP</translation>
    </message>
</context>
<context>
    <name>qzUnitTurningStiffness</name>
    <message>
        <source>Turning stiffness</source>
        <translation>Raideur en torsion</translation>
    </message>
</context>
<context>
    <name>qzUnitUndefined</name>
    <message>
        <source>Size of dimension one</source>
        <translation>Grandeur de dimension un</translation>
    </message>
</context>
<context>
    <name>qzUnitValue</name>
    <message>
        <source>unknown unit &apos;%1&apos;</source>
        <translation>unité inconnue « %1 »</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is of the physical dimension %2, which no dimension of the library has</source>
        <translation>« %1 » a la dimension physique %2, qu’aucune grandeur de la bibliothèque n’a</translation>
    </message>
    <message>
        <source>unknown unit &apos;%1&apos; for %2</source>
        <translation>unité inconnue « %1 » pour %2</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation> ; vouliez-vous dire %1 ?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a unit of %2, not of %3</source>
        <translation>« %1 » est une unité de %2 et non de %3</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: %2</source>
        <translation>unité ambiguë « %1 » : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the decimal comma is not read in this locale</source>
        <translation>« %1 » : la virgule décimale n&apos;est pas reconnue avec ces paramètres régionaux</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not start with a number</source>
        <translation>« %1 » ne commence pas par un nombre</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the unit in &apos;%2&apos;</source>
        <translation>« %1 » inattendu après l&apos;unité dans « %2 »</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too close to zero for a double</source>
        <translation>le nombre dans « %1 » est trop proche de zéro pour un double</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too large for a double</source>
        <translation>le nombre dans « %1 » est trop grand pour un double</translation>
    </message>
    <message>
        <source>the fraction in &apos;%1&apos; divides by zero</source>
        <translation>la fraction dans « %1 » divise par zéro</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no unit</source>
        <translation>« %1 » n&apos;a pas d&apos;unité</translation>
    </message>
    <message>
        <source>cannot add &apos;%1&apos; to a value of %2 in &apos;%3&apos;</source>
        <translation>impossible d&apos;ajouter « %1 » à une valeur de %2 dans « %3 »</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; can be read as %3 or as %4</source>
        <translation>« %1 » : « %2 » peut se lire %3 ou %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the apostrophe in &apos;%2&apos; can be a foot mark or a thousands separator</source>
        <translation>« %1 » : l&apos;apostrophe dans « %2 » peut être un signe de pied ou un séparateur de milliers</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; has more than one decimal point</source>
        <translation>« %1 » : « %2 » a plus d&apos;un séparateur décimal</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the separators in &apos;%2&apos; do not form a number in this locale</source>
        <translation>« %1 » : les séparateurs dans « %2 » ne forment pas un nombre avec ces paramètres régionaux</translation>
    </message>
    <message>
        <source>&apos;%1&apos; converts with the factor %2 %3 kept for stored documents; its definition gives %4 %3</source>
        <translation>« %1 » est converti avec le facteur %2 %3 conservé pour les documents enregistrés ; sa définition donne %4 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read with its defined factor, %2 %3; stored documents keep %4 %3 for it</source>
        <translation>« %1 » est lu avec son facteur défini, %2 %3 ; les documents enregistrés conservent %4 %3 pour cette unité</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a gauge or absolute pressure, whose reference a value cannot keep; type the pressure in psi or bar</source>
        <translation>« %1 » est une pression relative ou absolue, dont une valeur ne peut garder la référence ; saisissez la pression en psi ou en bar</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: written as a unit of %2, it reads physically as %3</source>
        <translation>unité ambiguë « %1 » : écrite comme unité de %2, elle se lit physiquement comme %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read as %2; it is also a unit of %3</source>
        <translation>« %1 » est lu comme %2 ; c&apos;est aussi une unité de %3</translation>
    </message>
    <message>
        <source>nothing was typed</source>
        <translation>rien n&apos;a été saisi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below absolute zero</source>
        <translation>« %1 » est en dessous du zéro absolu</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>the first operand has no dimension</source>
        <translation>le premier opérande n’a pas de grandeur</translation>
    </message>
    <message>
        <source>the second operand has no dimension</source>
        <translation>le second opérande n’a pas de grandeur</translation>
    </message>
    <message>
        <source>the first operand is %1, not a finite number</source>
        <translation>le premier opérande vaut %1, pas un nombre fini</translation>
    </message>
    <message>
        <source>the second operand is %1, not a finite number</source>
        <translation>le second opérande vaut %1, pas un nombre fini</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, which no dimension has</source>
        <translation>%1 a les exposants %2, qu’aucune grandeur n’a</translation>
    </message>
    <message>
        <source>the result %1 names no dimension</source>
        <translation>le résultat %1 ne désigne aucune grandeur</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, not those of %3 (%4); dimensions with %2: %5</source>
        <translation>%1 a les exposants %2, pas ceux de %3 (%4) ; grandeurs d’exposants %2 : %5</translation>
    </message>
    <message>
        <source>%1 divides by zero</source>
        <translation>%1 divise par zéro</translation>
    </message>
    <message>
        <source>%1 overflows a double</source>
        <translation>%1 dépasse la capacité d’un double</translation>
    </message>
</context>
<context>
    <name>qzUnitValueEdit</name>
    <message>
        <source>The text is longer than %1 characters</source>
        <translation>Le texte dépasse %1 caractères</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too small: at least %2</source>
        <translation>« %1 » est trop petit : au moins %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: at most %2</source>
        <translation>« %1 » est trop grand : au plus %2</translation>
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
        <translation>Tension électrique</translation>
    </message>
</context>
<context>
    <name>qzUnitVolume</name>
    <message>
        <source>Cubic meter</source>
        <translation>Mètre cube</translation>
    </message>
    <message>
        <source>Cubic centimeter</source>
        <translation>Centimètre cube</translation>
    </message>
    <message>
        <source>Cubic millimeter</source>
        <translation>Millimètre cube</translation>
    </message>
    <message>
        <source>Cubic foot</source>
        <translation>Pied cube</translation>
    </message>
    <message>
        <source>Cubic inch</source>
        <translation>Pouce cube</translation>
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
        <translation>mètre cube par seconde</translation>
    </message>
    <message>
        <source>liters per second</source>
        <translation>litre par seconde</translation>
    </message>
    <message>
        <source>liters per minute</source>
        <translation>litre par minute</translation>
    </message>
    <message>
        <source>cubic meters per minute</source>
        <translation>mètre cube par minute</translation>
    </message>
    <message>
        <source>cubic centimeters per hour</source>
        <translation>centimètre cube par heure</translation>
    </message>
    <message>
        <source>cubic centimeters per second</source>
        <translation>centimètre cube par seconde</translation>
    </message>
    <message>
        <source>cubic millimeters per second</source>
        <translation>millimètre cube par seconde</translation>
    </message>
    <message>
        <source>Volume flow</source>
        <translation>Débit volumique</translation>
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
        <translation>SI (millimètres)</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impérial</translation>
    </message>
    <message>
        <source>US customary</source>
        <translation>Usuel américain</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>&amp;Unit system:</source>
        <translation>&amp;Système d&apos;unités :</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
</context>
<context>
    <name>qzunit</name>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Enumerator</source>
        <translation>Énumérateur</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>Nom anglais</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>SI unit</source>
        <translation>Unité SI</translation>
    </message>
    <message>
        <source>view unit</source>
        <translation>unité d’affichage</translation>
    </message>
    <message>
        <source>&apos;%1&apos; bytes is too large: counts reach %2</source>
        <translation>« %1 » octets, c’est trop : les nombres vont jusqu’à %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number of bytes</source>
        <translation>« %1 » n’est pas un nombre entier d’octets</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>division par zéro</translation>
    </message>
    <message>
        <source>a number divided by a value has no dimension of the library</source>
        <translation>un nombre divisé par une valeur n’a aucune grandeur de la bibliothèque</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>cannot add %1 and %2: different dimensions</source>
        <translation>impossible d’additionner %1 et %2 : grandeurs différentes</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>« %1 » inattendu dans « %2 »</translation>
    </message>
    <message>
        <source>missing &apos;)&apos; in &apos;%1&apos;</source>
        <translation>« ) » manquante dans « %1 »</translation>
    </message>
    <message>
        <source>missing value in &apos;%1&apos;</source>
        <translation>valeur manquante dans « %1 »</translation>
    </message>
    <message>
        <source>the result is of %1, not of %2</source>
        <translation>le résultat est de %1, pas de %2</translation>
    </message>
    <message>
        <source>cannot express %1 in &apos;%2&apos;</source>
        <translation>impossible d’exprimer %1 en « %2 »</translation>
    </message>
    <message>
        <source>unknown dimension &apos;%1&apos; (see qzunit dimensions)</source>
        <translation>grandeur inconnue « %1 » (voir qzunit dimensions)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos; (one of %2)</source>
        <translation>préréglage inconnu « %1 » (l’un de %2)</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>remarque : %1</translation>
    </message>
    <message>
        <source>note: %1 read as %2 (also %3); choose another with --dimension</source>
        <translation>remarque : %1 lu comme %2 (aussi %3) ; choisissez-en une autre avec --dimension</translation>
    </message>
    <message>
        <source>%1 fits several dimensions: %2 (choose one with --dimension)</source>
        <translation>%1 convient à plusieurs grandeurs : %2 (choisissez-en une avec --dimension)</translation>
    </message>
    <message>
        <source>no target unit after &apos;%1 %2&apos;</source>
        <translation>aucune unité cible après « %1 %2 »</translation>
    </message>
    <message>
        <source>cannot convert &apos;%1&apos; (%2) to &apos;%3&apos; (%4): different dimensions</source>
        <translation>impossible de convertir « %1 » (%2) en « %3 » (%4) : grandeurs différentes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; to &apos;%2&apos;</source>
        <translation>« %1 » en « %2 »</translation>
    </message>
    <message>
        <source>warning: %1 lies outside the validity range of %2 (%3 to %4)</source>
        <translation>avertissement : %1 est hors du domaine de validité de %2 (%3 à %4)</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>valeur manquante après « %1 »</translation>
    </message>
    <message>
        <source>invalid --format &apos;%1&apos; (one of g, f, e)</source>
        <translation>--format « %1 » non valide (g, f ou e)</translation>
    </message>
    <message>
        <source>invalid --precision &apos;%1&apos; (a whole number from 0 to 99)</source>
        <translation>--precision « %1 » non valide (un nombre entier de 0 à 99)</translation>
    </message>
    <message>
        <source>no command given (one of %1; see qzunit --help)</source>
        <translation>aucune commande indiquée (l’une de %1 ; voir qzunit --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (one of %2)</source>
        <translation>commande inconnue « %1 » (l’une de %2)</translation>
    </message>
    <message>
        <source>usage: qzunit %1 %2</source>
        <translation>usage : qzunit %1 %2</translation>
    </message>
    <message>
        <source>option --%1 does not apply to %2</source>
        <translation>l’option --%1 ne s’applique pas à %2</translation>
    </message>
    <message>
        <source>note: &apos;%1&apos; keeps the factor %2 for stored data; physically it is %3 %4</source>
        <translation>remarque : « %1 » garde le facteur %2 pour les données enregistrées ; physiquement, il vaut %3 %4</translation>
    </message>
</context>
</TS>
