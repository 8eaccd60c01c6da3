<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>ExampleWindow</name>
    <message>
        <source>Gauge length</source>
        <translation>표점 거리</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>지름</translation>
    </message>
    <message>
        <source>Maximum force</source>
        <translation>최대 하중</translation>
    </message>
    <message>
        <source>Yield strength</source>
        <translation>항복 강도</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>시험 온도</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>경도</translation>
    </message>
    <message>
        <source>Tensile test</source>
        <translation>인장 시험</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>언어(&amp;L)</translation>
    </message>
    <message>
        <source>Specimen</source>
        <translation>시험편</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>측정값</translation>
    </message>
    <message>
        <source>View units</source>
        <translation>표시 단위</translation>
    </message>
</context>
<context>
    <name>XmlReaderWriterBase</name>
    <message>
        <source>Invalid XML element %0: &apos;%1&apos;</source>
        <translation>잘못된 XML 요소 %0: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid XML attribute %0: &apos;%1&apos;</source>
        <translation>잘못된 XML 속성 %0: &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>qzUnitAbsorbedDose</name>
    <message>
        <source>Gray</source>
        <translation>그레이</translation>
    </message>
    <message>
        <source>Joule per kilogram</source>
        <translation>줄 매 킬로그램</translation>
    </message>
    <message>
        <source>Square meter per square second</source>
        <translation>제곱미터 매 제곱초</translation>
    </message>
    <message>
        <source>Absorbed dose (of radiation)</source>
        <translation>흡수선량(방사선)</translation>
    </message>
</context>
<context>
    <name>qzUnitAcceleration</name>
    <message>
        <source>Meter per square second</source>
        <translation>미터 매 제곱초</translation>
    </message>
    <message>
        <source>Inches per square second</source>
        <translation>인치 매 제곱초</translation>
    </message>
    <message>
        <source>Feet per square second</source>
        <translation>피트 매 제곱초</translation>
    </message>
    <message>
        <source>Inches per minute per second</source>
        <translation>인치 매 분 매 초</translation>
    </message>
    <message>
        <source>Feet per minute per second</source>
        <translation>피트 매 분 매 초</translation>
    </message>
    <message>
        <source>Miles per hour per second</source>
        <translation>마일 매 시 매 초</translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation>갈</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>가속도</translation>
    </message>
</context>
<context>
    <name>qzUnitAngle</name>
    <message>
        <source>Radian</source>
        <translation>라디안</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>도</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>평면각</translation>
    </message>
</context>
<context>
    <name>qzUnitAngularVelocity</name>
    <message>
        <source>Radians per second</source>
        <translation>라디안 매 초</translation>
    </message>
    <message>
        <source>Revolutions per second</source>
        <translation>회전 매 초</translation>
    </message>
    <message>
        <source>Rps</source>
        <translation>r/s</translation>
    </message>
    <message>
        <source>Revolutions per minute</source>
        <translation>회전 매 분</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>r/min</translation>
    </message>
    <message>
        <source>Revolutions per hour</source>
        <translation>회전 매 시</translation>
    </message>
    <message>
        <source>Rph</source>
        <translation>r/h</translation>
    </message>
    <message>
        <source>Angle velocity</source>
        <translation>각속도</translation>
    </message>
</context>
<context>
    <name>qzUnitArea</name>
    <message>
        <source>Square meter</source>
        <translation>제곱미터</translation>
    </message>
    <message>
        <source>Square centimeter</source>
        <translation>제곱센티미터</translation>
    </message>
    <message>
        <source>Square millimeter</source>
        <translation>제곱밀리미터</translation>
    </message>
    <message>
        <source>Square micrometer</source>
        <translation>제곱마이크로미터</translation>
    </message>
    <message>
        <source>Square kilometer</source>
        <translation>제곱킬로미터</translation>
    </message>
    <message>
        <source>Square foot</source>
        <translation>제곱피트</translation>
    </message>
    <message>
        <source>Square inch</source>
        <translation>제곱인치</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>넓이</translation>
    </message>
</context>
<context>
    <name>qzUnitAreicElectricalConductivity</name>
    <message>
        <source>per ohm square meter</source>
        <translation>매 옴 제곱미터</translation>
    </message>
    <message>
        <source>per milliohm square meter</source>
        <translation>매 밀리옴 제곱미터</translation>
    </message>
    <message>
        <source>per microhm square meter</source>
        <translation>매 마이크로옴 제곱미터</translation>
    </message>
    <message>
        <source>per nanoohm square meter</source>
        <translation>매 나노옴 제곱미터</translation>
    </message>
    <message>
        <source>Electrical contact conductivity</source>
        <translation>접촉 전기 전도율</translation>
    </message>
</context>
<context>
    <name>qzUnitCurrent</name>
    <message>
        <source>Ampere</source>
        <translation>암페어</translation>
    </message>
    <message>
        <source>Milliampere</source>
        <translation>밀리암페어</translation>
    </message>
    <message>
        <source>Kiloampere</source>
        <translation>킬로암페어</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>전류</translation>
    </message>
</context>
<context>
    <name>qzUnitDensity</name>
    <message>
        <source>Kilograms per cubic meter</source>
        <translation>킬로그램 매 세제곱미터</translation>
    </message>
    <message>
        <source>Kilograms per cubic centimeter</source>
        <translation>킬로그램 매 세제곱센티미터</translation>
    </message>
    <message>
        <source>Kilograms per cubic millimeter</source>
        <translation>킬로그램 매 세제곱밀리미터</translation>
    </message>
    <message>
        <source>Pound per cubic foot</source>
        <translation>파운드 매 세제곱피트</translation>
    </message>
    <message>
        <source>Pound per cubic inch</source>
        <translation>파운드 매 세제곱인치</translation>
    </message>
    <message>
        <source>Ton per cubic centimeter</source>
        <translation>톤 매 세제곱센티미터</translation>
    </message>
    <message>
        <source>Gram per cubic centimeter</source>
        <translation>그램 매 세제곱센티미터</translation>
    </message>
    <message>
        <source>Megagram per cubic millimeter</source>
        <translation>메가그램 매 세제곱밀리미터</translation>
    </message>
    <message>
        <source>Gram per cubic meter</source>
        <translation>그램 매 세제곱미터</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>밀도</translation>
    </message>
</context>
<context>
    <name>qzUnitDiffusivity</name>
    <message>
        <source>Square meters per second</source>
        <translation>제곱미터 매 초</translation>
    </message>
    <message>
        <source>Diffusivity</source>
        <translation>확산 계수</translation>
    </message>
</context>
<context>
    <name>qzUnitDistancePerRevolution</name>
    <message>
        <source>Meter per revolution</source>
        <translation>미터 매 회전</translation>
    </message>
    <message>
        <source>Centimeter per revolution</source>
        <translation>센티미터 매 회전</translation>
    </message>
    <message>
        <source>Millimeter per revolution</source>
        <translation>밀리미터 매 회전</translation>
    </message>
    <message>
        <source>Foot per revolution</source>
        <translation>피트 매 회전</translation>
    </message>
    <message>
        <source>Inch per revolution</source>
        <translation>인치 매 회전</translation>
    </message>
    <message>
        <source>Mile per revolution</source>
        <translation>마일 매 회전</translation>
    </message>
    <message>
        <source>Mil per revolution</source>
        <translation>밀 매 회전</translation>
    </message>
    <message>
        <source>Kilometer per revolution</source>
        <translation>킬로미터 매 회전</translation>
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
        <translation>회전당 이동 거리</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricField</name>
    <message>
        <source>Volt/meter</source>
        <translation>볼트/미터</translation>
    </message>
    <message>
        <source>V/m</source>
        <translation>V/m</translation>
    </message>
    <message>
        <source>Electric field intensity</source>
        <translation>전기장의 세기</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalConductivity</name>
    <message>
        <source>1 / (Ohm * meter)</source>
        <translation>1 / (옴 * 미터)</translation>
    </message>
    <message>
        <source>1 / (%1Ohm * meter)</source>
        <translation>1 / (%1옴 * 미터)</translation>
    </message>
    <message>
        <source>Electrical conductivity</source>
        <translation>전기 전도율</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalCurrentDensity</name>
    <message>
        <source>Ampere per square meter</source>
        <translation>암페어 매 제곱미터</translation>
    </message>
    <message>
        <source>Microampere per square meter</source>
        <translation>마이크로암페어 매 제곱미터</translation>
    </message>
    <message>
        <source>Milliampere per square meter</source>
        <translation>밀리암페어 매 제곱미터</translation>
    </message>
    <message>
        <source>Kiloampere per square meter</source>
        <translation>킬로암페어 매 제곱미터</translation>
    </message>
    <message>
        <source>Megaampere per square meter</source>
        <translation>메가암페어 매 제곱미터</translation>
    </message>
    <message>
        <source>Current density</source>
        <translation>전류 밀도</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalResistivity</name>
    <message>
        <source>Ohm * meter</source>
        <translation>옴 * 미터</translation>
    </message>
    <message>
        <source>%1Ohm * meter</source>
        <translation>%1옴 * 미터</translation>
    </message>
    <message>
        <source>Electrical resistivity</source>
        <comment>Electrical resistivity Material specific value, does not depend on other factors like geometry (DO NOT confuse with &apos;Resistance&apos;)</comment>
        <translation>전기 비저항</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergy</name>
    <message>
        <source>Joule</source>
        <translation>줄</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>킬로줄</translation>
    </message>
    <message>
        <source>Kilowatt hour</source>
        <translation>킬로와트시</translation>
    </message>
    <message>
        <source>Electron volt</source>
        <translation>전자볼트</translation>
    </message>
    <message>
        <source>Kilopond meter</source>
        <translation>킬로폰드 미터</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>칼로리(IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>영국 열량 단위(IT)</translation>
    </message>
    <message>
        <source>Inch-Pound Force</source>
        <translation>인치 파운드힘</translation>
    </message>
    <message>
        <source>Foot-Pound Force</source>
        <translation>피트 파운드힘</translation>
    </message>
    <message>
        <source>Megajoule</source>
        <translation>메가줄</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>에너지</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyDensity</name>
    <message>
        <source>Joule per cubic meter</source>
        <translation>줄 매 세제곱미터</translation>
    </message>
    <message>
        <source>Microjoule per cubic meter</source>
        <translation>마이크로줄 매 세제곱미터</translation>
    </message>
    <message>
        <source>Millijoule per cubic meter</source>
        <translation>밀리줄 매 세제곱미터</translation>
    </message>
    <message>
        <source>Kilojoule per cubic meter</source>
        <translation>킬로줄 매 세제곱미터</translation>
    </message>
    <message>
        <source>Megajoule per cubic meter</source>
        <translation>메가줄 매 세제곱미터</translation>
    </message>
    <message>
        <source>Joule per cubic millimeter</source>
        <translation>줄 매 세제곱밀리미터</translation>
    </message>
    <message>
        <source>Energy density</source>
        <translation>에너지 밀도</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyLength</name>
    <message>
        <source>Energy input per unit length</source>
        <translation>단위 길이당 입열량</translation>
    </message>
</context>
<context>
    <name>qzUnitForce</name>
    <message>
        <source>Newton</source>
        <translation>뉴턴</translation>
    </message>
    <message>
        <source>Poundal</source>
        <translation>파운달</translation>
    </message>
    <message>
        <source>Ounce (Force)</source>
        <translation>온스힘</translation>
    </message>
    <message>
        <source>Pound (Force)</source>
        <translation>파운드힘</translation>
    </message>
    <message>
        <source>Kilopond</source>
        <translation>킬로폰드</translation>
    </message>
    <message>
        <source>Ton (Force)</source>
        <translation>톤힘</translation>
    </message>
    <message>
        <source>Dyne</source>
        <translation>다인</translation>
    </message>
    <message>
        <source>Kilonewton</source>
        <translation>킬로뉴턴</translation>
    </message>
    <message>
        <source>Short ton</source>
        <translation>쇼트톤힘</translation>
    </message>
    <message>
        <source>Long ton</source>
        <translation>롱톤힘</translation>
    </message>
    <message>
        <source>Kilopound (Force)</source>
        <translation>킬로파운드힘</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>킬로그램힘</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>힘</translation>
    </message>
</context>
<context>
    <name>qzUnitForceLength</name>
    <message>
        <source>Newton per meter</source>
        <translation>뉴턴 매 미터</translation>
    </message>
    <message>
        <source>Newton per Millimeter</source>
        <translation>뉴턴 매 밀리미터</translation>
    </message>
    <message>
        <source>Kilonewton per Millimeter</source>
        <translation>킬로뉴턴 매 밀리미터</translation>
    </message>
    <message>
        <source>Force per length</source>
        <translation>단위 길이당 힘</translation>
    </message>
</context>
<context>
    <name>qzUnitForcePerVolume</name>
    <message>
        <source>Newton per cubic meter</source>
        <translation>뉴턴 매 세제곱미터</translation>
    </message>
    <message>
        <source>Force per volume</source>
        <translation>단위 부피당 힘</translation>
    </message>
</context>
<context>
    <name>qzUnitFrequency</name>
    <message>
        <source>Hertz</source>
        <translation>헤르츠</translation>
    </message>
    <message>
        <source>Vibrations per second</source>
        <translation>진동 매 초</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>진동수</translation>
    </message>
</context>
<context>
    <name>qzUnitGrainSize</name>
    <message>
        <source>Micrometer</source>
        <translation>마이크로미터</translation>
    </message>
    <message>
        <source>ASTM</source>
        <translation>ASTM</translation>
    </message>
    <message>
        <source>Grain size</source>
        <translation>결정립도</translation>
    </message>
</context>
<context>
    <name>qzUnitHardness</name>
    <message>
        <source>Newton per square meter</source>
        <translation>뉴턴 매 제곱미터</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>뉴턴 매 제곱밀리미터</translation>
    </message>
    <message>
        <source>Pound-force per square inch</source>
        <translation>파운드힘 매 제곱인치</translation>
    </message>
    <message>
        <source>Rockwell hardness</source>
        <translation>로크웰 경도</translation>
    </message>
    <message>
        <source>Brinell hardness</source>
        <translation>브리넬 경도</translation>
    </message>
    <message>
        <source>Vickers hardness</source>
        <translation>비커스 경도</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>경도</translation>
    </message>
</context>
<context>
    <name>qzUnitHeat</name>
    <message>
        <source>Joule</source>
        <translation>줄</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>킬로줄</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>칼로리(IT)</translation>
    </message>
    <message>
        <source>Kilocalorie (IT)</source>
        <translation>킬로칼로리(IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>영국 열량 단위(IT)</translation>
    </message>
    <message>
        <source>Heat energy</source>
        <translation>열량</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatCapacity</name>
    <message>
        <source>Heat capacity</source>
        <translation>열용량</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatFlux</name>
    <message>
        <source>Heat flow</source>
        <translation>열유속</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatTransferCoefficient</name>
    <message>
        <source>Heat transfer coefficient</source>
        <translation>열전달 계수</translation>
    </message>
</context>
<context>
    <name>qzUnitLatentHeat</name>
    <message>
        <source>Joule per kilogram</source>
        <translation>줄 매 킬로그램</translation>
    </message>
    <message>
        <source>Joule per gram</source>
        <translation>줄 매 그램</translation>
    </message>
    <message>
        <source>Millimeter squared per second squared</source>
        <translation>제곱밀리미터 매 제곱초</translation>
    </message>
    <message>
        <source>Latent heat</source>
        <translation>비잠열</translation>
    </message>
</context>
<context>
    <name>qzUnitLength</name>
    <message>
        <source>Meter</source>
        <translation>미터</translation>
    </message>
    <message>
        <source>Centimeter</source>
        <translation>센티미터</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>밀리미터</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>피트</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>인치</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>마일</translation>
    </message>
    <message>
        <source>Mil</source>
        <translation>밀</translation>
    </message>
    <message>
        <source>Micron</source>
        <translation>미크론</translation>
    </message>
    <message>
        <source>Microinch</source>
        <translation>마이크로인치</translation>
    </message>
    <message>
        <source>Kilometer</source>
        <translation>킬로미터</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>길이</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticField</name>
    <message>
        <source>Ampere/meter</source>
        <translation>암페어/미터</translation>
    </message>
    <message>
        <source>A/m</source>
        <translation>A/m</translation>
    </message>
    <message>
        <source>Magnetic field intensity</source>
        <translation>자기장의 세기</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticInduction</name>
    <message>
        <source>Tesla</source>
        <translation>테슬라</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Magnetic induction</source>
        <translation>자기 선속 밀도</translation>
    </message>
</context>
<context>
    <name>qzUnitMass</name>
    <message>
        <source>Kilogram</source>
        <translation>킬로그램</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation>그램</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>톤</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>파운드</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>온스</translation>
    </message>
    <message>
        <source>Slug</source>
        <translation>슬러그</translation>
    </message>
    <message>
        <source>Megagram</source>
        <translation>메가그램</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>질량</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFluxDensity</name>
    <message>
        <source>Kilogram per square meter and second</source>
        <translation>킬로그램 매 제곱미터 매 초</translation>
    </message>
    <message>
        <source>Mass flux density</source>
        <translation>질량 유속 밀도</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFraction</name>
    <message>
        <source>Weight percent</source>
        <translation>질량 퍼센트</translation>
    </message>
    <message>
        <source>Weight fraction</source>
        <translation>질량 분율(소수)</translation>
    </message>
    <message>
        <source>Mass fraction</source>
        <translation>질량 분율</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFractionGradient</name>
    <message>
        <source>Weight percent per meter</source>
        <translation>질량 퍼센트 매 미터</translation>
    </message>
    <message>
        <source>Mass fraction gradient</source>
        <translation>질량 분율 기울기</translation>
    </message>
</context>
<context>
    <name>qzUnitMomentOfInertia</name>
    <message>
        <source>Moment of inertia</source>
        <translation>관성 모멘트</translation>
    </message>
</context>
<context>
    <name>qzUnitOfInformation</name>
    <message>
        <source>Bytes</source>
        <translation>바이트</translation>
    </message>
    <message>
        <source>Kilobyte</source>
        <translation>킬로바이트</translation>
    </message>
    <message>
        <source>Megabyte</source>
        <translation>메가바이트</translation>
    </message>
    <message>
        <source>Gigabyte</source>
        <translation>기가바이트</translation>
    </message>
    <message>
        <source>Terabyte</source>
        <translation>테라바이트</translation>
    </message>
    <message>
        <source>Unit of information</source>
        <translation>정보량</translation>
    </message>
</context>
<context>
    <name>qzUnitPercent</name>
    <message>
        <source>Percent</source>
        <translation>퍼센트</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>비율</translation>
    </message>
</context>
<context>
    <name>qzUnitPower</name>
    <message>
        <source>Watt</source>
        <translation>와트</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>일률</translation>
    </message>
</context>
<context>
    <name>qzUnitSpecificHeatCapacity</name>
    <message>
        <source>Specific heat capacity</source>
        <translation>비열용량</translation>
    </message>
</context>
<context>
    <name>qzUnitSpeed</name>
    <message>
        <source>Meters per second</source>
        <translation>미터 매 초</translation>
    </message>
    <message>
        <source>Millimeters per second</source>
        <translation>밀리미터 매 초</translation>
    </message>
    <message>
        <source>Feet per second</source>
        <translation>피트 매 초</translation>
    </message>
    <message>
        <source>Inches per second</source>
        <translation>인치 매 초</translation>
    </message>
    <message>
        <source>Miles per second</source>
        <translation>마일 매 초</translation>
    </message>
    <message>
        <source>Meters per minute</source>
        <translation>미터 매 분</translation>
    </message>
    <message>
        <source>Kilometers per hour</source>
        <translation>킬로미터 매 시</translation>
    </message>
    <message>
        <source>Centimeters per second</source>
        <translation>센티미터 매 초</translation>
    </message>
    <message>
        <source>Centimeters per minute</source>
        <translation>센티미터 매 분</translation>
    </message>
    <message>
        <source>Inches per minute</source>
        <translation>인치 매 분</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>속도</translation>
    </message>
</context>
<context>
    <name>qzUnitStrainRate</name>
    <message>
        <source>Strain rate</source>
        <translation>변형률 속도</translation>
    </message>
</context>
<context>
    <name>qzUnitStress</name>
    <message>
        <source>Pascal</source>
        <translation>파스칼</translation>
    </message>
    <message>
        <source>Megapascal</source>
        <translation>메가파스칼</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>킬로파스칼</translation>
    </message>
    <message>
        <source>Pièze</source>
        <translation>피에즈</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>바</translation>
    </message>
    <message>
        <source>Technical atmosphere</source>
        <translation>공학 기압</translation>
    </message>
    <message>
        <source>Physical atmosphere</source>
        <translation>표준 대기압</translation>
    </message>
    <message>
        <source>Torr</source>
        <translation>토르</translation>
    </message>
    <message>
        <source>Pounds per square inch</source>
        <translation>파운드 매 제곱인치</translation>
    </message>
    <message>
        <source>Pounds per square foot</source>
        <translation>파운드 매 제곱피트</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>뉴턴 매 제곱밀리미터</translation>
    </message>
    <message>
        <source>Kilograms per square inch</source>
        <translation>킬로그램 매 제곱인치</translation>
    </message>
    <message>
        <source>Kilograms per square centimeter</source>
        <translation>킬로그램 매 제곱센티미터</translation>
    </message>
    <message>
        <source>Kilograms per square millimeter</source>
        <translation>킬로그램 매 제곱밀리미터</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>응력</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperature</name>
    <message>
        <source>Kelvin</source>
        <translation>켈빈</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>섭씨도</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>화씨도</translation>
    </message>
    <message>
        <source>Degrees Rankine</source>
        <translation>랭킨도</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>온도</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureDifference</name>
    <message>
        <source>Kelvin</source>
        <translation>켈빈</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>섭씨도</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>화씨도</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>온도차</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureGradient</name>
    <message>
        <source>Kelvin per meter</source>
        <translation>켈빈 매 미터</translation>
    </message>
    <message>
        <source>Kelvin per centimeter</source>
        <translation>켈빈 매 센티미터</translation>
    </message>
    <message>
        <source>Kelvin per millimeter</source>
        <translation>켈빈 매 밀리미터</translation>
    </message>
    <message>
        <source>Temperature gradient</source>
        <translation>온도 기울기</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureRate</name>
    <message>
        <source>Kelvin per second</source>
        <translation>켈빈 매 초</translation>
    </message>
    <message>
        <source>Kelvin per minute</source>
        <translation>켈빈 매 분</translation>
    </message>
    <message>
        <source>Kelvin per hour</source>
        <translation>켈빈 매 시</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per second</source>
        <translation>화씨도 매 초</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per minute</source>
        <translation>화씨도 매 분</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per hour</source>
        <translation>화씨도 매 시</translation>
    </message>
    <message>
        <source>Temperature rate</source>
        <translation>온도 변화율</translation>
    </message>
</context>
<context>
    <name>qzUnitThermalConductivity</name>
    <message>
        <source>Thermal conductivity</source>
        <translation>열전도율</translation>
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
        <translation>열팽창 계수</translation>
    </message>
</context>
<context>
    <name>qzUnitTime</name>
    <message>
        <source>Second</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>시</translation>
    </message>
    <message>
        <source>Millisecond</source>
        <translation>밀리초</translation>
    </message>
    <message>
        <source>Microsecond</source>
        <translation>마이크로초</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
</context>
<context>
    <name>qzUnitTorque</name>
    <message>
        <source>Newton meter</source>
        <translation>뉴턴 미터</translation>
    </message>
    <message>
        <source>Foot pounds</source>
        <translation>피트 파운드</translation>
    </message>
    <message>
        <source>Inch pounds</source>
        <translation>인치 파운드</translation>
    </message>
    <message>
        <source>Inch ounce-force</source>
        <translation>인치 온스힘</translation>
    </message>
    <message>
        <source>Foot ounce-force</source>
        <translation>피트 온스힘</translation>
    </message>
    <message>
        <source>Foot-poundal</source>
        <translation>피트 파운달</translation>
    </message>
    <message>
        <source>Kilogram-force meter</source>
        <translation>킬로그램힘 미터</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>토크</translation>
    </message>
</context>
<context>
    <name>qzUnitTripCoefficient</name>
    <message>
        <source>Square millimeter per newton</source>
        <translation>제곱밀리미터 매 뉴턴</translation>
    </message>
    <message>
        <source>Square inch per kilopound</source>
        <translation>제곱인치 매 킬로파운드</translation>
    </message>
    <message>
        <source>Square meter per newton</source>
        <translation>제곱미터 매 뉴턴</translation>
    </message>
    <message>
        <source>Trip coefficient</source>
        <translation>TRIP 계수</translation>
    </message>
</context>
<context>
    <name>qzUnitTurningStiffness</name>
    <message>
        <source>Turning stiffness</source>
        <translation>비틀림 강성</translation>
    </message>
</context>
<context>
    <name>qzUnitUndefined</name>
    <message>
        <source>Size of dimension one</source>
        <translation>차원이 1인 양</translation>
    </message>
</context>
<context>
    <name>qzUnitValue</name>
    <message>
        <source>unknown unit &apos;%1&apos;</source>
        <translation>알 수 없는 단위 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is of the physical dimension %2, which no dimension of the library has</source>
        <translation>&apos;%1&apos;의 차원은 %2이며, 라이브러리에 이 차원의 양이 없습니다</translation>
    </message>
    <message>
        <source>unknown unit &apos;%1&apos; for %2</source>
        <translation>%2에 대한 알 수 없는 단위 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; %1을(를) 의미했습니까?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a unit of %2, not of %3</source>
        <translation>&apos;%1&apos;은(는) %3이(가) 아니라 %2의 단위입니다</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: %2</source>
        <translation>모호한 단위 &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the decimal comma is not read in this locale</source>
        <translation>&apos;%1&apos;: 이 로캘에서는 소수점 쉼표를 읽지 않습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not start with a number</source>
        <translation>&apos;%1&apos;이(가) 숫자로 시작하지 않습니다</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the unit in &apos;%2&apos;</source>
        <translation>&apos;%2&apos;에서 단위 뒤에 예기치 않은 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too close to zero for a double</source>
        <translation>&apos;%1&apos;의 숫자가 0에 너무 가까워 double로 나타낼 수 없습니다</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too large for a double</source>
        <translation>&apos;%1&apos;의 숫자가 너무 커서 double로 나타낼 수 없습니다</translation>
    </message>
    <message>
        <source>the fraction in &apos;%1&apos; divides by zero</source>
        <translation>&apos;%1&apos;의 분수가 0으로 나눕니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no unit</source>
        <translation>&apos;%1&apos;에 단위가 없습니다</translation>
    </message>
    <message>
        <source>cannot add &apos;%1&apos; to a value of %2 in &apos;%3&apos;</source>
        <translation>&apos;%3&apos;에서 &apos;%1&apos;을(를) %2 값에 더할 수 없습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; can be read as %3 or as %4</source>
        <translation>&apos;%1&apos;: &apos;%2&apos;은(는) %3 또는 %4(으)로 읽을 수 있습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the apostrophe in &apos;%2&apos; can be a foot mark or a thousands separator</source>
        <translation>&apos;%1&apos;: &apos;%2&apos;의 아포스트로피는 피트 기호일 수도 있고 천 단위 구분 기호일 수도 있습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; has more than one decimal point</source>
        <translation>&apos;%1&apos;: &apos;%2&apos;에 소수점이 둘 이상 있습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the separators in &apos;%2&apos; do not form a number in this locale</source>
        <translation>&apos;%1&apos;: &apos;%2&apos;의 구분 기호가 이 로캘에서는 숫자를 이루지 않습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; converts with the factor %2 %3 kept for stored documents; its definition gives %4 %3</source>
        <translation>&apos;%1&apos;은(는) 저장된 문서를 위해 유지된 계수 %2 %3(으)로 환산됩니다. 정의상 값은 %4 %3입니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read with its defined factor, %2 %3; stored documents keep %4 %3 for it</source>
        <translation>&apos;%1&apos;은(는) 정의된 계수 %2 %3(으)로 읽습니다. 저장된 문서는 이 단위에 %4 %3을(를) 유지합니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a gauge or absolute pressure, whose reference a value cannot keep; type the pressure in psi or bar</source>
        <translation>&apos;%1&apos;은(는) 게이지 압력 또는 절대 압력이며, 값은 그 기준을 보존할 수 없습니다. 압력을 psi 또는 bar로 입력하십시오</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: written as a unit of %2, it reads physically as %3</source>
        <translation>모호한 단위 &apos;%1&apos;: %2의 단위로 쓰였지만 물리적으로는 %3입니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read as %2; it is also a unit of %3</source>
        <translation>&apos;%1&apos;을(를) %2(으)로 읽었습니다. %3의 단위이기도 합니다</translation>
    </message>
    <message>
        <source>nothing was typed</source>
        <translation>아무것도 입력되지 않았습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below absolute zero</source>
        <translation>&apos;%1&apos;은(는) 절대 영도보다 낮습니다</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>the first operand has no dimension</source>
        <translation>첫 번째 피연산자에 차원이 없습니다</translation>
    </message>
    <message>
        <source>the second operand has no dimension</source>
        <translation>두 번째 피연산자에 차원이 없습니다</translation>
    </message>
    <message>
        <source>the first operand is %1, not a finite number</source>
        <translation>첫 번째 피연산자가 %1(으)로, 유한한 수가 아닙니다</translation>
    </message>
    <message>
        <source>the second operand is %1, not a finite number</source>
        <translation>두 번째 피연산자가 %1(으)로, 유한한 수가 아닙니다</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, which no dimension has</source>
        <translation>%1의 지수는 %2이며, 이 지수를 가진 차원은 없습니다</translation>
    </message>
    <message>
        <source>the result %1 names no dimension</source>
        <translation>결과 %1은(는) 어떤 차원도 나타내지 않습니다</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, not those of %3 (%4); dimensions with %2: %5</source>
        <translation>%1의 지수는 %2이며, %3의 지수(%4)가 아닙니다. 지수가 %2인 차원: %5</translation>
    </message>
    <message>
        <source>%1 divides by zero</source>
        <translation>%1은(는) 0으로 나눕니다</translation>
    </message>
    <message>
        <source>%1 overflows a double</source>
        <translation>%1은(는) double의 범위를 넘습니다</translation>
    </message>
</context>
<context>
    <name>qzUnitValueEdit</name>
    <message>
        <source>The text is longer than %1 characters</source>
        <translation>텍스트가 %1자를 넘습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too small: at least %2</source>
        <translation>&apos;%1&apos;이(가) 너무 작습니다: %2 이상이어야 합니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: at most %2</source>
        <translation>&apos;%1&apos;이(가) 너무 큽니다: %2 이하여야 합니다</translation>
    </message>
</context>
<context>
    <name>qzUnitVoltage</name>
    <message>
        <source>Volt</source>
        <translation>볼트</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>전압</translation>
    </message>
</context>
<context>
    <name>qzUnitVolume</name>
    <message>
        <source>Cubic meter</source>
        <translation>세제곱미터</translation>
    </message>
    <message>
        <source>Cubic centimeter</source>
        <translation>세제곱센티미터</translation>
    </message>
    <message>
        <source>Cubic millimeter</source>
        <translation>세제곱밀리미터</translation>
    </message>
    <message>
        <source>Cubic foot</source>
        <translation>세제곱피트</translation>
    </message>
    <message>
        <source>Cubic inch</source>
        <translation>세제곱인치</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>부피</translation>
    </message>
</context>
<context>
    <name>qzUnitVolumePerTime</name>
    <message>
        <source>cubic meters per second</source>
        <translation>세제곱미터 매 초</translation>
    </message>
    <message>
        <source>liters per second</source>
        <translation>리터 매 초</translation>
    </message>
    <message>
        <source>liters per minute</source>
        <translation>리터 매 분</translation>
    </message>
    <message>
        <source>cubic meters per minute</source>
        <translation>세제곱미터 매 분</translation>
    </message>
    <message>
        <source>cubic centimeters per hour</source>
        <translation>세제곱센티미터 매 시</translation>
    </message>
    <message>
        <source>cubic centimeters per second</source>
        <translation>세제곱센티미터 매 초</translation>
    </message>
    <message>
        <source>cubic millimeters per second</source>
        <translation>세제곱밀리미터 매 초</translation>
    </message>
    <message>
        <source>Volume flow</source>
        <translation>부피 유량</translation>
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
        <translation>SI (밀리미터)</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>영국식 단위</translation>
    </message>
    <message>
        <source>US customary</source>
        <translation>미국 관용 단위</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>&amp;Unit system:</source>
        <translation>단위계(&amp;U):</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
</context>
<context>
    <name>qzunit</name>
    <message>
        <source>Value</source>
        <translation>값</translation>
    </message>
    <message>
        <source>Enumerator</source>
        <translation>열거자</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>영어 이름</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>기호</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>인덱스</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>비고</translation>
    </message>
    <message>
        <source>SI unit</source>
        <translation>SI 단위</translation>
    </message>
    <message>
        <source>view unit</source>
        <translation>표시 단위</translation>
    </message>
    <message>
        <source>&apos;%1&apos; bytes is too large: counts reach %2</source>
        <translation>&apos;%1&apos; 바이트는 너무 큽니다: 개수는 %2까지입니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number of bytes</source>
        <translation>&apos;%1&apos;은(는) 정수 바이트 수가 아닙니다</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>0으로 나누기</translation>
    </message>
    <message>
        <source>a number divided by a value has no dimension of the library</source>
        <translation>숫자를 값으로 나눈 결과는 라이브러리의 어떤 차원에도 해당하지 않습니다</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>숫자</translation>
    </message>
    <message>
        <source>cannot add %1 and %2: different dimensions</source>
        <translation>%1와(과) %2을(를) 더할 수 없습니다: 차원이 다릅니다</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>&apos;%2&apos;에 예상치 못한 &apos;%1&apos;이(가) 있습니다</translation>
    </message>
    <message>
        <source>missing &apos;)&apos; in &apos;%1&apos;</source>
        <translation>&apos;%1&apos;에 &apos;)&apos;가 없습니다</translation>
    </message>
    <message>
        <source>missing value in &apos;%1&apos;</source>
        <translation>&apos;%1&apos;에 값이 없습니다</translation>
    </message>
    <message>
        <source>the result is of %1, not of %2</source>
        <translation>결과는 %2이(가) 아니라 %1입니다</translation>
    </message>
    <message>
        <source>cannot express %1 in &apos;%2&apos;</source>
        <translation>%1을(를) &apos;%2&apos;(으)로 나타낼 수 없습니다</translation>
    </message>
    <message>
        <source>unknown dimension &apos;%1&apos; (see qzunit dimensions)</source>
        <translation>알 수 없는 차원 &apos;%1&apos; (qzunit dimensions 참조)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos; (one of %2)</source>
        <translation>알 수 없는 프리셋 &apos;%1&apos; (%2 중 하나)</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>참고: %1</translation>
    </message>
    <message>
        <source>note: %1 read as %2 (also %3); choose another with --dimension</source>
        <translation>참고: %1을(를) %2(으)로 읽었습니다 (%3도 가능). 다른 차원은 --dimension으로 선택하십시오</translation>
    </message>
    <message>
        <source>%1 fits several dimensions: %2 (choose one with --dimension)</source>
        <translation>%1은(는) 여러 차원에 해당합니다: %2 (--dimension으로 하나를 선택하십시오)</translation>
    </message>
    <message>
        <source>no target unit after &apos;%1 %2&apos;</source>
        <translation>&apos;%1 %2&apos; 뒤에 대상 단위가 없습니다</translation>
    </message>
    <message>
        <source>cannot convert &apos;%1&apos; (%2) to &apos;%3&apos; (%4): different dimensions</source>
        <translation>&apos;%1&apos;(%2)을(를) &apos;%3&apos;(%4)(으)로 변환할 수 없습니다: 차원이 다릅니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; to &apos;%2&apos;</source>
        <translation>&apos;%1&apos;에서 &apos;%2&apos;(으)로</translation>
    </message>
    <message>
        <source>warning: %1 lies outside the validity range of %2 (%3 to %4)</source>
        <translation>경고: %1은(는) %2의 유효 범위(%3 ~ %4)를 벗어납니다</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>&apos;%1&apos; 뒤에 값이 없습니다</translation>
    </message>
    <message>
        <source>invalid --format &apos;%1&apos; (one of g, f, e)</source>
        <translation>잘못된 --format &apos;%1&apos; (g, f, e 중 하나)</translation>
    </message>
    <message>
        <source>invalid --precision &apos;%1&apos; (a whole number from 0 to 99)</source>
        <translation>잘못된 --precision &apos;%1&apos; (0에서 99까지의 정수)</translation>
    </message>
    <message>
        <source>no command given (one of %1; see qzunit --help)</source>
        <translation>명령이 지정되지 않았습니다 (%1 중 하나. qzunit --help 참조)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (one of %2)</source>
        <translation>알 수 없는 명령 &apos;%1&apos; (%2 중 하나)</translation>
    </message>
    <message>
        <source>usage: qzunit %1 %2</source>
        <translation>사용법: qzunit %1 %2</translation>
    </message>
    <message>
        <source>option --%1 does not apply to %2</source>
        <translation>옵션 --%1은(는) %2에 적용되지 않습니다</translation>
    </message>
    <message>
        <source>note: &apos;%1&apos; keeps the factor %2 for stored data; physically it is %3 %4</source>
        <translation>참고: &apos;%1&apos;은(는) 저장된 데이터를 위해 계수 %2을(를) 유지합니다. 물리적으로는 %3 %4입니다</translation>
    </message>
</context>
</TS>
