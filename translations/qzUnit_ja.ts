<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>ExampleWindow</name>
    <message>
        <source>Gauge length</source>
        <translation>標点距離</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>直径</translation>
    </message>
    <message>
        <source>Maximum force</source>
        <translation>最大試験力</translation>
    </message>
    <message>
        <source>Yield strength</source>
        <translation>降伏強さ</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>試験温度</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>硬さ</translation>
    </message>
    <message>
        <source>Tensile test</source>
        <translation>引張試験</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>Specimen</source>
        <translation>試験片</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>測定値</translation>
    </message>
    <message>
        <source>View units</source>
        <translation>表示単位</translation>
    </message>
</context>
<context>
    <name>XmlReaderWriterBase</name>
    <message>
        <source>Invalid XML element %0: &apos;%1&apos;</source>
        <translation>無効な XML 要素 %0: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid XML attribute %0: &apos;%1&apos;</source>
        <translation>無効な XML 属性 %0: &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>qzUnitAbsorbedDose</name>
    <message>
        <source>Gray</source>
        <translation>グレイ</translation>
    </message>
    <message>
        <source>Joule per kilogram</source>
        <translation>ジュール毎キログラム</translation>
    </message>
    <message>
        <source>Square meter per square second</source>
        <translation>平方メートル毎秒毎秒</translation>
    </message>
    <message>
        <source>Absorbed dose (of radiation)</source>
        <translation>吸収線量（放射線）</translation>
    </message>
</context>
<context>
    <name>qzUnitAcceleration</name>
    <message>
        <source>Meter per square second</source>
        <translation>メートル毎秒毎秒</translation>
    </message>
    <message>
        <source>Inches per square second</source>
        <translation>インチ毎秒毎秒</translation>
    </message>
    <message>
        <source>Feet per square second</source>
        <translation>フィート毎秒毎秒</translation>
    </message>
    <message>
        <source>Inches per minute per second</source>
        <translation>インチ毎分毎秒</translation>
    </message>
    <message>
        <source>Feet per minute per second</source>
        <translation>フィート毎分毎秒</translation>
    </message>
    <message>
        <source>Miles per hour per second</source>
        <translation>マイル毎時毎秒</translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation>ガル</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>加速度</translation>
    </message>
</context>
<context>
    <name>qzUnitAngle</name>
    <message>
        <source>Radian</source>
        <translation>ラジアン</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>度</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>平面角</translation>
    </message>
</context>
<context>
    <name>qzUnitAngularVelocity</name>
    <message>
        <source>Radians per second</source>
        <translation>ラジアン毎秒</translation>
    </message>
    <message>
        <source>Revolutions per second</source>
        <translation>回毎秒</translation>
    </message>
    <message>
        <source>Rps</source>
        <translation>r/s</translation>
    </message>
    <message>
        <source>Revolutions per minute</source>
        <translation>回毎分</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>r/min</translation>
    </message>
    <message>
        <source>Revolutions per hour</source>
        <translation>回毎時</translation>
    </message>
    <message>
        <source>Rph</source>
        <translation>r/h</translation>
    </message>
    <message>
        <source>Angle velocity</source>
        <translation>角速度</translation>
    </message>
</context>
<context>
    <name>qzUnitArea</name>
    <message>
        <source>Square meter</source>
        <translation>平方メートル</translation>
    </message>
    <message>
        <source>Square centimeter</source>
        <translation>平方センチメートル</translation>
    </message>
    <message>
        <source>Square millimeter</source>
        <translation>平方ミリメートル</translation>
    </message>
    <message>
        <source>Square micrometer</source>
        <translation>平方マイクロメートル</translation>
    </message>
    <message>
        <source>Square kilometer</source>
        <translation>平方キロメートル</translation>
    </message>
    <message>
        <source>Square foot</source>
        <translation>平方フィート</translation>
    </message>
    <message>
        <source>Square inch</source>
        <translation>平方インチ</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>面積</translation>
    </message>
</context>
<context>
    <name>qzUnitAreicElectricalConductivity</name>
    <message>
        <source>per ohm square meter</source>
        <translation>毎オーム平方メートル</translation>
    </message>
    <message>
        <source>per milliohm square meter</source>
        <translation>毎ミリオーム平方メートル</translation>
    </message>
    <message>
        <source>per microhm square meter</source>
        <translation>毎マイクロオーム平方メートル</translation>
    </message>
    <message>
        <source>per nanoohm square meter</source>
        <translation>毎ナノオーム平方メートル</translation>
    </message>
    <message>
        <source>Electrical contact conductivity</source>
        <translation>接触電気伝導率</translation>
    </message>
</context>
<context>
    <name>qzUnitCurrent</name>
    <message>
        <source>Ampere</source>
        <translation>アンペア</translation>
    </message>
    <message>
        <source>Milliampere</source>
        <translation>ミリアンペア</translation>
    </message>
    <message>
        <source>Kiloampere</source>
        <translation>キロアンペア</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>電流</translation>
    </message>
</context>
<context>
    <name>qzUnitDensity</name>
    <message>
        <source>Kilograms per cubic meter</source>
        <translation>キログラム毎立方メートル</translation>
    </message>
    <message>
        <source>Kilograms per cubic centimeter</source>
        <translation>キログラム毎立方センチメートル</translation>
    </message>
    <message>
        <source>Kilograms per cubic millimeter</source>
        <translation>キログラム毎立方ミリメートル</translation>
    </message>
    <message>
        <source>Pound per cubic foot</source>
        <translation>ポンド毎立方フィート</translation>
    </message>
    <message>
        <source>Pound per cubic inch</source>
        <translation>ポンド毎立方インチ</translation>
    </message>
    <message>
        <source>Ton per cubic centimeter</source>
        <translation>トン毎立方センチメートル</translation>
    </message>
    <message>
        <source>Gram per cubic centimeter</source>
        <translation>グラム毎立方センチメートル</translation>
    </message>
    <message>
        <source>Megagram per cubic millimeter</source>
        <translation>メガグラム毎立方ミリメートル</translation>
    </message>
    <message>
        <source>Gram per cubic meter</source>
        <translation>グラム毎立方メートル</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>密度</translation>
    </message>
</context>
<context>
    <name>qzUnitDiffusivity</name>
    <message>
        <source>Square meters per second</source>
        <translation>平方メートル毎秒</translation>
    </message>
    <message>
        <source>Diffusivity</source>
        <translation>拡散係数</translation>
    </message>
</context>
<context>
    <name>qzUnitDistancePerRevolution</name>
    <message>
        <source>Meter per revolution</source>
        <translation>メートル毎回転</translation>
    </message>
    <message>
        <source>Centimeter per revolution</source>
        <translation>センチメートル毎回転</translation>
    </message>
    <message>
        <source>Millimeter per revolution</source>
        <translation>ミリメートル毎回転</translation>
    </message>
    <message>
        <source>Foot per revolution</source>
        <translation>フィート毎回転</translation>
    </message>
    <message>
        <source>Inch per revolution</source>
        <translation>インチ毎回転</translation>
    </message>
    <message>
        <source>Mile per revolution</source>
        <translation>マイル毎回転</translation>
    </message>
    <message>
        <source>Mil per revolution</source>
        <translation>ミル毎回転</translation>
    </message>
    <message>
        <source>Kilometer per revolution</source>
        <translation>キロメートル毎回転</translation>
    </message>
    <message>
        <source>m/r</source>
        <comment>Einheit Weg pro Umdrehung [m/U]</comment>
        <translation>m/r</translation>
    </message>
    <message>
        <source>cm/r</source>
        <comment>Einheit Weg pro Umdrehung [cm/U]</comment>
        <translation>cm/r</translation>
    </message>
    <message>
        <source>mm/r</source>
        <comment>Einheit Weg pro Umdrehung [mm/U]</comment>
        <translation>mm/r</translation>
    </message>
    <message>
        <source>ft/r</source>
        <comment>Einheit Weg pro Umdrehung [ft/U]</comment>
        <translation>ft/r</translation>
    </message>
    <message>
        <source>in/r</source>
        <comment>Einheit Weg pro Umdrehung [in/U]</comment>
        <translation>in/r</translation>
    </message>
    <message>
        <source>mi/r</source>
        <comment>Einheit Weg pro Umdrehung [mi/U]</comment>
        <translation>mi/r</translation>
    </message>
    <message>
        <source>mil/r</source>
        <comment>Einheit Weg pro Umdrehung [mil/U]</comment>
        <translation>mil/r</translation>
    </message>
    <message>
        <source>km/r</source>
        <comment>Einheit Weg pro Umdrehung [km/U]</comment>
        <translation>km/r</translation>
    </message>
    <message>
        <source>Distance per revolution</source>
        <comment>de=Weg pro Umdrehung</comment>
        <translation>1回転当たりの移動量</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricField</name>
    <message>
        <source>Volt/meter</source>
        <translation>ボルト/メートル</translation>
    </message>
    <message>
        <source>V/m</source>
        <translation>V/m</translation>
    </message>
    <message>
        <source>Electric field intensity</source>
        <translation>電界の強さ</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalConductivity</name>
    <message>
        <source>1 / (Ohm * meter)</source>
        <translation>1 / (オーム * メートル)</translation>
    </message>
    <message>
        <source>1 / (%1Ohm * meter)</source>
        <translation>1 / (%1オーム * メートル)</translation>
    </message>
    <message>
        <source>Electrical conductivity</source>
        <translation>導電率</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalCurrentDensity</name>
    <message>
        <source>Ampere per square meter</source>
        <translation>アンペア毎平方メートル</translation>
    </message>
    <message>
        <source>Microampere per square meter</source>
        <translation>マイクロアンペア毎平方メートル</translation>
    </message>
    <message>
        <source>Milliampere per square meter</source>
        <translation>ミリアンペア毎平方メートル</translation>
    </message>
    <message>
        <source>Kiloampere per square meter</source>
        <translation>キロアンペア毎平方メートル</translation>
    </message>
    <message>
        <source>Megaampere per square meter</source>
        <translation>メガアンペア毎平方メートル</translation>
    </message>
    <message>
        <source>Current density</source>
        <translation>電流密度</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalResistivity</name>
    <message>
        <source>Ohm * meter</source>
        <translation>オーム * メートル</translation>
    </message>
    <message>
        <source>%1Ohm * meter</source>
        <translation>%1オーム * メートル</translation>
    </message>
    <message>
        <source>Electrical resistivity</source>
        <comment>Electrical resistivity Material specific value, does not depend on other factors like geometry (DO NOT confuse with &apos;Resistance&apos;)</comment>
        <translation>抵抗率</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergy</name>
    <message>
        <source>Joule</source>
        <translation>ジュール</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>キロジュール</translation>
    </message>
    <message>
        <source>Kilowatt hour</source>
        <translation>キロワット時</translation>
    </message>
    <message>
        <source>Electron volt</source>
        <translation>電子ボルト</translation>
    </message>
    <message>
        <source>Kilopond meter</source>
        <translation>キロポンドメートル</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>カロリー（IT）</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>英国熱量単位（IT）</translation>
    </message>
    <message>
        <source>Inch-Pound Force</source>
        <translation>インチ重量ポンド</translation>
    </message>
    <message>
        <source>Foot-Pound Force</source>
        <translation>フィート重量ポンド</translation>
    </message>
    <message>
        <source>Megajoule</source>
        <translation>メガジュール</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>エネルギー</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyDensity</name>
    <message>
        <source>Joule per cubic meter</source>
        <translation>ジュール毎立方メートル</translation>
    </message>
    <message>
        <source>Microjoule per cubic meter</source>
        <translation>マイクロジュール毎立方メートル</translation>
    </message>
    <message>
        <source>Millijoule per cubic meter</source>
        <translation>ミリジュール毎立方メートル</translation>
    </message>
    <message>
        <source>Kilojoule per cubic meter</source>
        <translation>キロジュール毎立方メートル</translation>
    </message>
    <message>
        <source>Megajoule per cubic meter</source>
        <translation>メガジュール毎立方メートル</translation>
    </message>
    <message>
        <source>Joule per cubic millimeter</source>
        <translation>ジュール毎立方ミリメートル</translation>
    </message>
    <message>
        <source>Energy density</source>
        <translation>エネルギー密度</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyLength</name>
    <message>
        <source>Energy input per unit length</source>
        <translation>単位長さ当たりの入熱</translation>
    </message>
</context>
<context>
    <name>qzUnitForce</name>
    <message>
        <source>Newton</source>
        <translation>ニュートン</translation>
    </message>
    <message>
        <source>Poundal</source>
        <translation>パウンダル</translation>
    </message>
    <message>
        <source>Ounce (Force)</source>
        <translation>重量オンス</translation>
    </message>
    <message>
        <source>Pound (Force)</source>
        <translation>重量ポンド</translation>
    </message>
    <message>
        <source>Kilopond</source>
        <translation>キロポンド</translation>
    </message>
    <message>
        <source>Ton (Force)</source>
        <translation>重量トン</translation>
    </message>
    <message>
        <source>Dyne</source>
        <translation>ダイン</translation>
    </message>
    <message>
        <source>Kilonewton</source>
        <translation>キロニュートン</translation>
    </message>
    <message>
        <source>Short ton</source>
        <translation>重量米トン</translation>
    </message>
    <message>
        <source>Long ton</source>
        <translation>重量英トン</translation>
    </message>
    <message>
        <source>Kilopound (Force)</source>
        <translation>キロ重量ポンド</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>重量キログラム</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>力</translation>
    </message>
</context>
<context>
    <name>qzUnitForceLength</name>
    <message>
        <source>Newton per meter</source>
        <translation>ニュートン毎メートル</translation>
    </message>
    <message>
        <source>Newton per Millimeter</source>
        <translation>ニュートン毎ミリメートル</translation>
    </message>
    <message>
        <source>Kilonewton per Millimeter</source>
        <translation>キロニュートン毎ミリメートル</translation>
    </message>
    <message>
        <source>Force per length</source>
        <translation>単位長さ当たりの力</translation>
    </message>
</context>
<context>
    <name>qzUnitForcePerVolume</name>
    <message>
        <source>Newton per cubic meter</source>
        <translation>ニュートン毎立方メートル</translation>
    </message>
    <message>
        <source>Force per volume</source>
        <translation>単位体積当たりの力</translation>
    </message>
</context>
<context>
    <name>qzUnitFrequency</name>
    <message>
        <source>Hertz</source>
        <translation>ヘルツ</translation>
    </message>
    <message>
        <source>Vibrations per second</source>
        <translation>振動毎秒</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
</context>
<context>
    <name>qzUnitGrainSize</name>
    <message>
        <source>Micrometer</source>
        <translation>マイクロメートル</translation>
    </message>
    <message>
        <source>ASTM</source>
        <translation>ASTM</translation>
    </message>
    <message>
        <source>Grain size</source>
        <translation>結晶粒度</translation>
    </message>
</context>
<context>
    <name>qzUnitHardness</name>
    <message>
        <source>Newton per square meter</source>
        <translation>ニュートン毎平方メートル</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>ニュートン毎平方ミリメートル</translation>
    </message>
    <message>
        <source>Pound-force per square inch</source>
        <translation>重量ポンド毎平方インチ</translation>
    </message>
    <message>
        <source>Rockwell hardness</source>
        <translation>ロックウェル硬さ</translation>
    </message>
    <message>
        <source>Brinell hardness</source>
        <translation>ブリネル硬さ</translation>
    </message>
    <message>
        <source>Vickers hardness</source>
        <translation>ビッカース硬さ</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>硬さ</translation>
    </message>
</context>
<context>
    <name>qzUnitHeat</name>
    <message>
        <source>Joule</source>
        <translation>ジュール</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>キロジュール</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>カロリー（IT）</translation>
    </message>
    <message>
        <source>Kilocalorie (IT)</source>
        <translation>キロカロリー（IT）</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>英国熱量単位（IT）</translation>
    </message>
    <message>
        <source>Heat energy</source>
        <translation>熱量</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatCapacity</name>
    <message>
        <source>Heat capacity</source>
        <translation>熱容量</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatFlux</name>
    <message>
        <source>Heat flow</source>
        <translation>熱流密度</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatTransferCoefficient</name>
    <message>
        <source>Heat transfer coefficient</source>
        <translation>熱伝達係数</translation>
    </message>
</context>
<context>
    <name>qzUnitLatentHeat</name>
    <message>
        <source>Joule per kilogram</source>
        <translation>ジュール毎キログラム</translation>
    </message>
    <message>
        <source>Joule per gram</source>
        <translation>ジュール毎グラム</translation>
    </message>
    <message>
        <source>Millimeter squared per second squared</source>
        <translation>平方ミリメートル毎秒毎秒</translation>
    </message>
    <message>
        <source>Latent heat</source>
        <translation>比潜熱</translation>
    </message>
</context>
<context>
    <name>qzUnitLength</name>
    <message>
        <source>Meter</source>
        <translation>メートル</translation>
    </message>
    <message>
        <source>Centimeter</source>
        <translation>センチメートル</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>ミリメートル</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>フィート</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>マイル</translation>
    </message>
    <message>
        <source>Mil</source>
        <translation>ミル</translation>
    </message>
    <message>
        <source>Micron</source>
        <translation>ミクロン</translation>
    </message>
    <message>
        <source>Microinch</source>
        <translation>マイクロインチ</translation>
    </message>
    <message>
        <source>Kilometer</source>
        <translation>キロメートル</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticField</name>
    <message>
        <source>Ampere/meter</source>
        <translation>アンペア/メートル</translation>
    </message>
    <message>
        <source>A/m</source>
        <translation>A/m</translation>
    </message>
    <message>
        <source>Magnetic field intensity</source>
        <translation>磁界の強さ</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticInduction</name>
    <message>
        <source>Tesla</source>
        <translation>テスラ</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Magnetic induction</source>
        <translation>磁束密度</translation>
    </message>
</context>
<context>
    <name>qzUnitMass</name>
    <message>
        <source>Kilogram</source>
        <translation>キログラム</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation>グラム</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>トン</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>ポンド</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>オンス</translation>
    </message>
    <message>
        <source>Slug</source>
        <translation>スラグ</translation>
    </message>
    <message>
        <source>Megagram</source>
        <translation>メガグラム</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>質量</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFluxDensity</name>
    <message>
        <source>Kilogram per square meter and second</source>
        <translation>キログラム毎平方メートル毎秒</translation>
    </message>
    <message>
        <source>Mass flux density</source>
        <translation>質量流束</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFraction</name>
    <message>
        <source>Weight percent</source>
        <translation>質量パーセント</translation>
    </message>
    <message>
        <source>Weight fraction</source>
        <translation>質量分率（小数）</translation>
    </message>
    <message>
        <source>Mass fraction</source>
        <translation>質量分率</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFractionGradient</name>
    <message>
        <source>Weight percent per meter</source>
        <translation>質量パーセント毎メートル</translation>
    </message>
    <message>
        <source>Mass fraction gradient</source>
        <translation>質量分率勾配</translation>
    </message>
</context>
<context>
    <name>qzUnitMomentOfInertia</name>
    <message>
        <source>Moment of inertia</source>
        <translation>慣性モーメント</translation>
    </message>
</context>
<context>
    <name>qzUnitOfInformation</name>
    <message>
        <source>Bytes</source>
        <translation>バイト</translation>
    </message>
    <message>
        <source>Kilobyte</source>
        <translation>キロバイト</translation>
    </message>
    <message>
        <source>Megabyte</source>
        <translation>メガバイト</translation>
    </message>
    <message>
        <source>Gigabyte</source>
        <translation>ギガバイト</translation>
    </message>
    <message>
        <source>Terabyte</source>
        <translation>テラバイト</translation>
    </message>
    <message>
        <source>Unit of information</source>
        <translation>情報量</translation>
    </message>
</context>
<context>
    <name>qzUnitPercent</name>
    <message>
        <source>Percent</source>
        <translation>パーセント</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>比率</translation>
    </message>
</context>
<context>
    <name>qzUnitPower</name>
    <message>
        <source>Watt</source>
        <translation>ワット</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>仕事率</translation>
    </message>
</context>
<context>
    <name>qzUnitSpecificHeatCapacity</name>
    <message>
        <source>Specific heat capacity</source>
        <translation>比熱容量</translation>
    </message>
</context>
<context>
    <name>qzUnitSpeed</name>
    <message>
        <source>Meters per second</source>
        <translation>メートル毎秒</translation>
    </message>
    <message>
        <source>Millimeters per second</source>
        <translation>ミリメートル毎秒</translation>
    </message>
    <message>
        <source>Feet per second</source>
        <translation>フィート毎秒</translation>
    </message>
    <message>
        <source>Inches per second</source>
        <translation>インチ毎秒</translation>
    </message>
    <message>
        <source>Miles per second</source>
        <translation>マイル毎秒</translation>
    </message>
    <message>
        <source>Meters per minute</source>
        <translation>メートル毎分</translation>
    </message>
    <message>
        <source>Kilometers per hour</source>
        <translation>キロメートル毎時</translation>
    </message>
    <message>
        <source>Centimeters per second</source>
        <translation>センチメートル毎秒</translation>
    </message>
    <message>
        <source>Centimeters per minute</source>
        <translation>センチメートル毎分</translation>
    </message>
    <message>
        <source>Inches per minute</source>
        <translation>インチ毎分</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>速度</translation>
    </message>
</context>
<context>
    <name>qzUnitStrainRate</name>
    <message>
        <source>Strain rate</source>
        <translation>ひずみ速度</translation>
    </message>
</context>
<context>
    <name>qzUnitStress</name>
    <message>
        <source>Pascal</source>
        <translation>パスカル</translation>
    </message>
    <message>
        <source>Megapascal</source>
        <translation>メガパスカル</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>キロパスカル</translation>
    </message>
    <message>
        <source>Pièze</source>
        <translation>ピエーズ</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>バール</translation>
    </message>
    <message>
        <source>Technical atmosphere</source>
        <translation>工学気圧</translation>
    </message>
    <message>
        <source>Physical atmosphere</source>
        <translation>標準気圧</translation>
    </message>
    <message>
        <source>Torr</source>
        <translation>トル</translation>
    </message>
    <message>
        <source>Pounds per square inch</source>
        <translation>ポンド毎平方インチ</translation>
    </message>
    <message>
        <source>Pounds per square foot</source>
        <translation>ポンド毎平方フィート</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>ニュートン毎平方ミリメートル</translation>
    </message>
    <message>
        <source>Kilograms per square inch</source>
        <translation>キログラム毎平方インチ</translation>
    </message>
    <message>
        <source>Kilograms per square centimeter</source>
        <translation>キログラム毎平方センチメートル</translation>
    </message>
    <message>
        <source>Kilograms per square millimeter</source>
        <translation>キログラム毎平方ミリメートル</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>応力</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperature</name>
    <message>
        <source>Kelvin</source>
        <translation>ケルビン</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>セルシウス度</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>ファーレンハイト度</translation>
    </message>
    <message>
        <source>Degrees Rankine</source>
        <translation>ランキン度</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureDifference</name>
    <message>
        <source>Kelvin</source>
        <translation>ケルビン</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>セルシウス度</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>ファーレンハイト度</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>温度差</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureGradient</name>
    <message>
        <source>Kelvin per meter</source>
        <translation>ケルビン毎メートル</translation>
    </message>
    <message>
        <source>Kelvin per centimeter</source>
        <translation>ケルビン毎センチメートル</translation>
    </message>
    <message>
        <source>Kelvin per millimeter</source>
        <translation>ケルビン毎ミリメートル</translation>
    </message>
    <message>
        <source>Temperature gradient</source>
        <translation>温度勾配</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureRate</name>
    <message>
        <source>Kelvin per second</source>
        <translation>ケルビン毎秒</translation>
    </message>
    <message>
        <source>Kelvin per minute</source>
        <translation>ケルビン毎分</translation>
    </message>
    <message>
        <source>Kelvin per hour</source>
        <translation>ケルビン毎時</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per second</source>
        <translation>ファーレンハイト度毎秒</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per minute</source>
        <translation>ファーレンハイト度毎分</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per hour</source>
        <translation>ファーレンハイト度毎時</translation>
    </message>
    <message>
        <source>Temperature rate</source>
        <translation>温度変化率</translation>
    </message>
</context>
<context>
    <name>qzUnitThermalConductivity</name>
    <message>
        <source>Thermal conductivity</source>
        <translation>熱伝導率</translation>
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
        <translation>熱膨張係数</translation>
    </message>
</context>
<context>
    <name>qzUnitTime</name>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>時</translation>
    </message>
    <message>
        <source>Millisecond</source>
        <translation>ミリ秒</translation>
    </message>
    <message>
        <source>Microsecond</source>
        <translation>マイクロ秒</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
</context>
<context>
    <name>qzUnitTorque</name>
    <message>
        <source>Newton meter</source>
        <translation>ニュートンメートル</translation>
    </message>
    <message>
        <source>Foot pounds</source>
        <translation>フィートポンド</translation>
    </message>
    <message>
        <source>Inch pounds</source>
        <translation>インチポンド</translation>
    </message>
    <message>
        <source>Inch ounce-force</source>
        <translation>インチ重量オンス</translation>
    </message>
    <message>
        <source>Foot ounce-force</source>
        <translation>フィート重量オンス</translation>
    </message>
    <message>
        <source>Foot-poundal</source>
        <translation>フィートパウンダル</translation>
    </message>
    <message>
        <source>Kilogram-force meter</source>
        <translation>重量キログラムメートル</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>トルク</translation>
    </message>
</context>
<context>
    <name>qzUnitTripCoefficient</name>
    <message>
        <source>Square millimeter per newton</source>
        <translation>平方ミリメートル毎ニュートン</translation>
    </message>
    <message>
        <source>Square inch per kilopound</source>
        <translation>平方インチ毎キロポンド</translation>
    </message>
    <message>
        <source>Square meter per newton</source>
        <translation>平方メートル毎ニュートン</translation>
    </message>
    <message>
        <source>Trip coefficient</source>
        <translation>TRIP係数</translation>
    </message>
</context>
<context>
    <name>qzUnitTurningStiffness</name>
    <message>
        <source>Turning stiffness</source>
        <translation>ねじり剛性</translation>
    </message>
</context>
<context>
    <name>qzUnitUndefined</name>
    <message>
        <source>Size of dimension one</source>
        <translation>次元1の量</translation>
    </message>
</context>
<context>
    <name>qzUnitValue</name>
    <message>
        <source>unknown unit &apos;%1&apos;</source>
        <translation>不明な単位「%1」</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is of the physical dimension %2, which no dimension of the library has</source>
        <translation>「%1」の次元は %2 であり、ライブラリにこの次元の量はありません</translation>
    </message>
    <message>
        <source>unknown unit &apos;%1&apos; for %2</source>
        <translation>%2 に単位「%1」はありません</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>。もしかして %1？</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a unit of %2, not of %3</source>
        <translation>「%1」は %2 の単位であり、%3 の単位ではありません</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: %2</source>
        <translation>単位「%1」があいまいです: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the decimal comma is not read in this locale</source>
        <translation>「%1」: このロケールでは小数点のコンマは読み取られません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not start with a number</source>
        <translation>「%1」が数値で始まっていません</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the unit in &apos;%2&apos;</source>
        <translation>「%2」の単位の後に予期しない「%1」があります</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too close to zero for a double</source>
        <translation>「%1」の数値は 0 に近すぎて倍精度数で表せません</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too large for a double</source>
        <translation>「%1」の数値は大きすぎて倍精度数で表せません</translation>
    </message>
    <message>
        <source>the fraction in &apos;%1&apos; divides by zero</source>
        <translation>「%1」の分数が 0 で除算しています</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no unit</source>
        <translation>「%1」に単位がありません</translation>
    </message>
    <message>
        <source>cannot add &apos;%1&apos; to a value of %2 in &apos;%3&apos;</source>
        <translation>「%3」で「%1」を %2 の値に加算できません</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; can be read as %3 or as %4</source>
        <translation>「%1」: 「%2」は %3 とも %4 とも読めます</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the apostrophe in &apos;%2&apos; can be a foot mark or a thousands separator</source>
        <translation>「%1」: 「%2」のアポストロフィは、フィートの記号とも桁区切り記号とも読めます</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; has more than one decimal point</source>
        <translation>「%1」: 「%2」に小数点が複数あります</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the separators in &apos;%2&apos; do not form a number in this locale</source>
        <translation>「%1」: 「%2」の区切り記号は、このロケールでは数値になりません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; converts with the factor %2 %3 kept for stored documents; its definition gives %4 %3</source>
        <translation>「%1」は保存文書のために保持された係数 %2 %3 で換算されます。定義では %4 %3 です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read with its defined factor, %2 %3; stored documents keep %4 %3 for it</source>
        <translation>「%1」は定義どおりの係数 %2 %3 で読み取られます。保存文書ではこの単位に %4 %3 が保持されています</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a gauge or absolute pressure, whose reference a value cannot keep; type the pressure in psi or bar</source>
        <translation>「%1」はゲージ圧または絶対圧で、値はその基準を保持できません。圧力は psi または bar で入力してください</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: written as a unit of %2, it reads physically as %3</source>
        <translation>単位「%1」があいまいです: %2 の単位として書かれていますが、物理的には %3 です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read as %2; it is also a unit of %3</source>
        <translation>「%1」は %2 として読み取られました。%3 の単位でもあります</translation>
    </message>
    <message>
        <source>nothing was typed</source>
        <translation>何も入力されていません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below absolute zero</source>
        <translation>「%1」は絶対零度を下回っています</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>the first operand has no dimension</source>
        <translation>1 番目のオペランドに次元がありません</translation>
    </message>
    <message>
        <source>the second operand has no dimension</source>
        <translation>2 番目のオペランドに次元がありません</translation>
    </message>
    <message>
        <source>the first operand is %1, not a finite number</source>
        <translation>1 番目のオペランドは %1 であり、有限の数値ではありません</translation>
    </message>
    <message>
        <source>the second operand is %1, not a finite number</source>
        <translation>2 番目のオペランドは %1 であり、有限の数値ではありません</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, which no dimension has</source>
        <translation>%1 の指数は %2 であり、この指数を持つ次元はありません</translation>
    </message>
    <message>
        <source>the result %1 names no dimension</source>
        <translation>結果 %1 はどの次元も表しません</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, not those of %3 (%4); dimensions with %2: %5</source>
        <translation>%1 の指数は %2 であり、%3 の指数 (%4) ではありません。指数 %2 の次元: %5</translation>
    </message>
    <message>
        <source>%1 divides by zero</source>
        <translation>%1 は 0 で除算しています</translation>
    </message>
    <message>
        <source>%1 overflows a double</source>
        <translation>%1 は倍精度数の範囲を超えています</translation>
    </message>
</context>
<context>
    <name>qzUnitValueEdit</name>
    <message>
        <source>The text is longer than %1 characters</source>
        <translation>テキストが%1文字を超えています</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too small: at least %2</source>
        <translation>「%1」は小さすぎます：%2以上にしてください</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: at most %2</source>
        <translation>「%1」は大きすぎます：%2以下にしてください</translation>
    </message>
</context>
<context>
    <name>qzUnitVoltage</name>
    <message>
        <source>Volt</source>
        <translation>ボルト</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>電圧</translation>
    </message>
</context>
<context>
    <name>qzUnitVolume</name>
    <message>
        <source>Cubic meter</source>
        <translation>立方メートル</translation>
    </message>
    <message>
        <source>Cubic centimeter</source>
        <translation>立方センチメートル</translation>
    </message>
    <message>
        <source>Cubic millimeter</source>
        <translation>立方ミリメートル</translation>
    </message>
    <message>
        <source>Cubic foot</source>
        <translation>立方フィート</translation>
    </message>
    <message>
        <source>Cubic inch</source>
        <translation>立方インチ</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>体積</translation>
    </message>
</context>
<context>
    <name>qzUnitVolumePerTime</name>
    <message>
        <source>cubic meters per second</source>
        <translation>立方メートル毎秒</translation>
    </message>
    <message>
        <source>liters per second</source>
        <translation>リットル毎秒</translation>
    </message>
    <message>
        <source>liters per minute</source>
        <translation>リットル毎分</translation>
    </message>
    <message>
        <source>cubic meters per minute</source>
        <translation>立方メートル毎分</translation>
    </message>
    <message>
        <source>cubic centimeters per hour</source>
        <translation>立方センチメートル毎時</translation>
    </message>
    <message>
        <source>cubic centimeters per second</source>
        <translation>立方センチメートル毎秒</translation>
    </message>
    <message>
        <source>cubic millimeters per second</source>
        <translation>立方ミリメートル毎秒</translation>
    </message>
    <message>
        <source>Volume flow</source>
        <translation>体積流量</translation>
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
        <translation>SI（ミリメートル）</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>ヤード・ポンド法（英国）</translation>
    </message>
    <message>
        <source>US customary</source>
        <translation>米国慣用単位</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>&amp;Unit system:</source>
        <translation>単位系(&amp;U):</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
</context>
<context>
    <name>qzunit</name>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Enumerator</source>
        <translation>列挙子</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>英語名</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>記号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>インデックス</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>注記</translation>
    </message>
    <message>
        <source>SI unit</source>
        <translation>SI 単位</translation>
    </message>
    <message>
        <source>view unit</source>
        <translation>表示単位</translation>
    </message>
    <message>
        <source>&apos;%1&apos; bytes is too large: counts reach %2</source>
        <translation>「%1」バイトは大きすぎます: 数えられるのは %2 までです</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number of bytes</source>
        <translation>「%1」は整数のバイト数ではありません</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>0 による除算</translation>
    </message>
    <message>
        <source>a number divided by a value has no dimension of the library</source>
        <translation>数値を量で割った結果はライブラリのどの次元にも当てはまりません</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数値</translation>
    </message>
    <message>
        <source>cannot add %1 and %2: different dimensions</source>
        <translation>%1 と %2 は加算できません: 次元が異なります</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>「%2」に予期しない「%1」があります</translation>
    </message>
    <message>
        <source>missing &apos;)&apos; in &apos;%1&apos;</source>
        <translation>「%1」に「)」がありません</translation>
    </message>
    <message>
        <source>missing value in &apos;%1&apos;</source>
        <translation>「%1」に値がありません</translation>
    </message>
    <message>
        <source>the result is of %1, not of %2</source>
        <translation>結果は %2 ではなく %1 です</translation>
    </message>
    <message>
        <source>cannot express %1 in &apos;%2&apos;</source>
        <translation>%1 を「%2」で表せません</translation>
    </message>
    <message>
        <source>unknown dimension &apos;%1&apos; (see qzunit dimensions)</source>
        <translation>不明な次元「%1」(qzunit dimensions を参照)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos; (one of %2)</source>
        <translation>不明なプリセット「%1」(%2 のいずれか)</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>注記: %1</translation>
    </message>
    <message>
        <source>note: %1 read as %2 (also %3); choose another with --dimension</source>
        <translation>注記: %1 を %2 として読み取りました (%3 も可能)。別の次元は --dimension で選択してください</translation>
    </message>
    <message>
        <source>%1 fits several dimensions: %2 (choose one with --dimension)</source>
        <translation>%1 は複数の次元に当てはまります: %2 (--dimension で 1 つ選択してください)</translation>
    </message>
    <message>
        <source>no target unit after &apos;%1 %2&apos;</source>
        <translation>「%1 %2」の後に変換先の単位がありません</translation>
    </message>
    <message>
        <source>cannot convert &apos;%1&apos; (%2) to &apos;%3&apos; (%4): different dimensions</source>
        <translation>「%1」(%2) を「%3」(%4) に変換できません: 次元が異なります</translation>
    </message>
    <message>
        <source>&apos;%1&apos; to &apos;%2&apos;</source>
        <translation>「%1」から「%2」へ</translation>
    </message>
    <message>
        <source>warning: %1 lies outside the validity range of %2 (%3 to %4)</source>
        <translation>警告: %1 は %2 の有効範囲 (%3 ～ %4) の外にあります</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>「%1」の後に値がありません</translation>
    </message>
    <message>
        <source>invalid --format &apos;%1&apos; (one of g, f, e)</source>
        <translation>無効な --format「%1」(g、f、e のいずれか)</translation>
    </message>
    <message>
        <source>invalid --precision &apos;%1&apos; (a whole number from 0 to 99)</source>
        <translation>無効な --precision「%1」(0 ～ 99 の整数)</translation>
    </message>
    <message>
        <source>no command given (one of %1; see qzunit --help)</source>
        <translation>コマンドが指定されていません (%1 のいずれか。qzunit --help を参照)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (one of %2)</source>
        <translation>不明なコマンド「%1」(%2 のいずれか)</translation>
    </message>
    <message>
        <source>usage: qzunit %1 %2</source>
        <translation>使い方: qzunit %1 %2</translation>
    </message>
    <message>
        <source>option --%1 does not apply to %2</source>
        <translation>オプション --%1 は %2 には使用できません</translation>
    </message>
    <message>
        <source>note: &apos;%1&apos; keeps the factor %2 for stored data; physically it is %3 %4</source>
        <translation>注記: 「%1」は保存データのために係数 %2 を保持しています。物理的には %3 %4 です</translation>
    </message>
</context>
</TS>
