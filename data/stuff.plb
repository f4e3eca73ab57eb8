"(C) ER Flamer","2",150,1,4,16,15000,-1,"3","5","7",0,"-1",-1,-1,-1
"(I) ER Flamer","2",200,1,4,16,15000,-1,"3","5","7",0,"-1",-1,-1,-1
"(C) ER Medium Laser","7",800,3,5,108,80000,-1,"5","10","15",0,"-1",-1,-1,-1
"(I) ER Medium Laser","5",800,3,5,62,80000,-1,"4","8","12",0,"-1",-1,-1,-1
"(C) ER Medium Pulse Laser","7",900,3,6,117,150000,-1,"5","9","14",0,"-1",-1,-1,-1
"(C) ER Micro Laser","2",150,1,1,7,10000,-1,"1","2","4",0,"-1",-1,-1,-1
"(C) ER Small Laser","5",350,2,2,31,11250,-1,"2","4","6",0,"-1",-1,-1,-1
"(I) ER Small Laser","3",350,2,2,17,11250,-1,"2","4","5",0,"-1",-1,-1,-1
"(C) ER Small Pulse Laser","5",400,1,3,36,30000,-1,"2","4","6",0,"-1",-1,-1,-1
"(C) Flamer","2",100,1,3,6,7500,-1,"1","2","3",0,"-1",-1,-1,-1
"(I) Flamer","2",150,1,3,5,7500,-1,"1","2","3",0,"-1",-1,-1,-1
"(C) Heavy Flamer","4",300,1,5,15,11250,-1,"2","3","4",0,"-1",-1,-1,-1
"(I) Heavy Flamer","4",350,1,5,15,11250,-1,"2","3","4",0,"-1",-1,-1,-1
"(C) Heavy Medium Laser","10",1000,4,7,76,100000,-1,"3","6","9",0,"-1",-1,-1,-1
"(C) Heavy Small Laser","6",500,1,3,15,20000,-1,"1","2","3",0,"-1",-1,-1,-1
"Laser Rifle","1",10,1,1,1,1250,-1,"1","2","3",0,"For the Anti-Personnel Weapon Mount",-1,-1,-1
"(C) Light TAG","0",25,1,0,0,40000,-1,"3","6","9",0,"-1",-1,-1,-1
"(I) Light TAG","0",35,1,0,0,40000,-1,"3","6","9",0,"-1",-1,-1,-1
"(C) Medium Chem Laser","5",500,2,2,37,30000,-1,"3","6","9",0,"-1",5,5000,10
"(I) Medium Laser","5",500,3,3,46,40000,-1,"3","6","9",0,"-1",-1,-1,-1
"(C) Medium Pulse Laser","7",800,3,4,111,60000,-1,"4","8","12",0,"-1",-1,-1,-1
"(I) Medium Pulse Laser","6",800,3,4,48,60000,-1,"2","4","6",0,"-1",-1,-1,-1
"(I) Medium Re-engineered Laser","6",700,3,6,65,100000,-1,"3","6","9",0,"-1",-1,-1,-1
"(I) Medium VSP Laser","7",900,4,7,56,200000,-1,"2","5","9",0,"-1",-1,-1,-1
"(I) Medium X-Pulse Laser","6",900,4,6,71,110000,-1,"3","6","9",0,"-1",-1,-1,-1
"(C) Micro Pulse Laser","3",160,1,1,12,12500,-1,"1","2","3",0,"-1",-1,-1,-1
"(I) Plasma Rifle","2",300,2,10,26,28000,-1,"1","3","5",0,"-1",10,1000,20
"Portable Flamer","1",15,1,3,1,100,-1,"0","1","1",0,"For the Anti-Personnel Weapon Mount",-1,-1,-1
"Pulse Laser Rifle","1",10,1,2,1,2000,-1,"1","2","3",0,"For the Anti-Personnel Weapon Mount",-1,-1,-1
"(C) Small Chem Laser","3",200,1,1,7,10000,-1,"1","2","3",0,"-1",10,5000,10
"(I) Small Laser","3",200,1,1,9,11250,-1,"1","2","3",0,"-1",-1,-1,-1
"(C) Small Pulse Laser","3",300,1,2,24,16000,-1,"2","4","6",0,"-1",-1,-1,-1
"(I) Small Pulse Laser","3",400,1,2,12,16000,-1,"1","2","3",0,"-1",-1,-1,-1
"(I) Small Re-engineered Laser","4",300,1,4,14,25000,-1,"1","2","4",0,"-1",-1,-1,-1
"(I) Small VSP Laser","4",500,2,3,22,60000,-1,"2","4","6",0,"-1",-1,-1,-1
"(I) Small X-Pulse Laser","3",350,1,3,21,31000,-1,"2","4","5",0,"-1",-1,-1,-1
"Support Laser","1",20,1,1,2,5000,-1,"1","2","3",0,"For the Anti-Personnel Weapon Mount",-1,-1,-1
"Support PPC","2",250,2,5,14,14000,-1,"2","5","7",0,"-1",-1,-1,-1
"(C) AP Gauss Rifle","3",200,1,1,21,10000,-1,"3","6","9",1,"-1",10,1000,20
"(C) Auto Grenade Launcher","1",70,1,0,2,3500,-1,"1","2","3",1,"-1",10,400,10
"(I) Auto Grenade Launcher","1",90,1,0,2,3500,-1,"1","2","3",1,"-1",10,400,10
"Auto-Rifle","1",5,1,0,1,80,-1,"1","2","3",1,"For the Anti-Personnel Weapon Mount",-1,-1,-1
"(I) Bearhunter Superheavy Autocannon","3",150,3,0,4,6000,-1,"1","2","3",1,"-1",10,500,25
"(I) David Light Gauss Rifle","1",100,1,0,7,22500,-1,"3","5","8",1,"-1",10,500,10
"(I) Firedrake Support Needler","3",50,1,0,5,2000,-1,"1","2","3",1,"-1",10,200,10
"(I) Grand Mauler Gauss Cannon","2",125,2,0,7,10000,-1,"2","4","5",1,"-1",10,1000,20
"Gyrojet Rifle","1",5,1,0,1,1000,-1,"1","2","3",1,"For the Anti-Personnel Weapon Mount",-1,-1,-1
"Heavy Grenade Launcher","1",100,1,0,2,4500,-1,"1","2","3",1,"-1",10,500,10
"(C) Heavy Machine Gun","3",100,1,0,6,7500,-1,"1","2","2",1,"-1",10,100,10
"(I) Heavy Machine Gun","3",150,1,0,6,7500,-1,"1","2","2",1,"-1",10,100,10
"(C) Heavy Mortar","3",350,2,0,17,7500,2,"2","4","6",1,"-1",5,500,30
"(I) Heavy Mortar","3",400,2,0,17,7500,2,"2","4","6",1,"-1",5,500,30
"Heavy Recoilless Rifle","3",325,3,0,22,5000,-1,"3","5","7",1,"-1",5,400,20
"(I) King David Light Gauss Rifle","1",275,2,0,7,30000,-1,"3","6","9",1,"-1",10,700,15
"(C) Light Machine Gun","1",50,1,0,5,5000,-1,"2","4","6",1,"-1",20,100,10
"(I) Light Machine Gun","1",75,1,0,5,5000,-1,"2","4","6",1,"-1",20,100,10
"(C) Light Mortar","3",250,2,0,9,2100,1,"1","2","3",1,"-1",5,250,20
"(I) Light Mortar","3",300,2,0,9,2100,1,"1","2","3",1,"-1",5,250,20
"(C) Light Recoilless Rifle","2",150,2,0,12,1000,-1,"2","4","6",1,"-1",5,150,10
"(I) Light Recoilless Rifle","2",175,2,0,12,1000,-1,"2","4","6",1,"-1",5,150,10
"Machine Gun","2",100,1,0,5,5000,-1,"1","2","3",1,"-1",20,100,10
"(I) Magshot Gauss Rifle","2",175,3,0,15,10500,-1,"3","6","9",1,"-1",10,1000,20
"(C) Medium Recoilless Rifle","3",225,2,0,19,3000,-1,"2","4","6",1,"-1",5,250,15
"(I) Medium Recoilless Rifle","3",250,2,0,19,3000,-1,"2","4","6",1,"-1",5,250,15
"(C) Micro Grenade Launcher","1",50,1,0,1,1950,-1,"1","2","3",1,"-1",10,300,10
"(I) Micro Grenade Launcher","1",75,1,0,1,1950,-1,"1","2","3",1,"-1",10,300,10
"(I) Mine Launcher","4",120,1,0,8,8000,-1,"1","2","3",1,"-1",2,1000,30
"Needler Rifle","1",5,1,0,1,200,-1,"0","1","1",1,"For the Anti-Personnel Weapon Mount",-1,-1,-1
"(I) Pop-up Mine","4",35,1,0,6,2500,-1,"0","-1","-1",1,"Single use and fired in place",-1,-1,-1
"Shotgun","1",5,1,0,1,100,-1,"0","1","1",1,"For the Anti-Personnel Weapon Mount",-1,-1,-1
"Sniper Rifle","1",10,1,0,1,500,-1,"2","4","6",1,"For the Anti-Personnel Weapon Mount",-1,-1,-1
"Submachine Gun","1",5,1,0,1,80,-1,"0","1","2",1,"For the Anti-Personnel Weapon Mount",-1,-1,-1
"(I) Tsunami Heavy Gauss Rifle","1",125,2,0,6,9500,-1,"2","4","5",1,"-1",10,800,15
"(C) Advanced SRM 1","2",50,1,1,18,7500,-1,"4","7","10",2,"-1",2,720,10
"(C) Advanced SRM 1 (OS)","2",35,1,1,4,3750,-1,"4","7","10",2,"One-shot launcher",-1,-1,-1
"(C) Advanced SRM 2","4",100,1,2,26,15000,-1,"4","7","10",2,"-1",2,1440,16
"(C) Advanced SRM 2 (OS)","4",65,1,2,5,7500,-1,"4","7","10",2,"One-shot launcher",-1,-1,-1
"(C) Advanced SRM 3","6",150,2,2,36,22500,-1,"4","7","10",2,"-1",2,2160,24
"(C) Advanced SRM 3 (OS)","6",100,2,2,7,11250,-1,"4","7","10",2,"One-shot launcher",-1,-1,-1
"(C) Advanced SRM 4","8",200,2,3,47,30000,-1,"4","7","10",2,"-1",2,2880,32
"(C) Advanced SRM 4 (OS)","8",130,2,3,9,15000,-1,"4","7","10",2,"One-shot launcher",-1,-1,-1
"(C) Advanced SRM 5","10",250,3,4,56,37500,-1,"4","7","10",2,"-1",2,3600,40
"(C) Advanced SRM 5 (OS)","10",165,3,4,11,18750,-1,"4","7","10",2,"One-shot launcher",-1,-1,-1
"(C) Advanced SRM 6","12",300,3,4,71,45000,-1,"4","7","10",2,"-1",2,4320,48
"(C) Advanced SRM 6 (OS)","12",195,3,4,14,22500,-1,"4","7","10",2,"One-shot launcher",-1,-1,-1
"(I) Compact Narc","0",150,1,0,16,15000,-1,"2","4","5",2,"-1",4,4000,25
"(C) LRM 1","1",35,2,1,12,6000,6,"7","14","21",2,"-1",2,500,10
"(I) LRM 1","1",60,2,1,9,6000,6,"7","14","21",2,"-1",2,500,10
"(C) LRM 1 (D)","1",25,2,1,2,6000,6,"7","14","21",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) LRM 1 (D)","1",40,2,1,2,6000,6,"7","14","21",2,"Detachable one-shot missile pack",-1,-1,-1
"(C) LRM 1 (OS)","1",25,2,1,2,3000,6,"7","14","21",2,"One-shot launcher",-1,-1,-1
"(I) LRM 1 (OS)","1",40,2,1,2,3000,6,"7","14","21",2,"One-shot launcher",-1,-1,-1
"(C) LRM 1 (T)","1",35,2,1,12,6000,6,"7","14","21",2,"Torpedo launcher for underwater use",2,500,10
"(I) LRM 1 (T)","1",60,2,1,9,6000,6,"7","14","21",2,"Torpedo launcher for underwater use",2,500,10
"(C) LRM 1 (T) (OS)","1",25,2,1,2,3000,6,"7","14","21",2,"One-shot torpedo launcher",-1,-1,-1
"(I) LRM 1 (T) (OS)","1",40,2,1,2,3000,6,"7","14","21",2,"One-shot torpedo launcher",-1,-1,-1
"(C) LRM 2","2",70,2,1,23,12000,6,"7","14","21",2,"-1",2,1000,16
"(I) LRM 2","2",120,2,1,18,12000,6,"7","14","21",2,"-1",2,1000,16
"(C) LRM 2 (D)","2",50,2,1,5,12000,6,"7","14","21",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) LRM 2 (D)","2",85,2,1,4,12000,6,"7","14","21",2,"Detachable one-shot missile pack",-1,-1,-1
"(C) LRM 2 (OS)","2",50,2,1,5,6000,6,"7","14","21",2,"One-shot launcher",-1,-1,-1
"(I) LRM 2 (OS)","2",85,2,1,4,6000,6,"7","14","21",2,"One-shot launcher",-1,-1,-1
"(C) LRM 2 (T)","2",70,2,1,23,12000,6,"7","14","21",2,"Torpedo launcher for underwater use",2,1000,16
"(I) LRM 2 (T)","2",120,2,1,18,12000,6,"7","14","21",2,"Torpedo launcher for underwater use",2,1000,16
"(C) LRM 2 (T) (OS)","2",50,2,1,5,6000,6,"7","14","21",2,"One-shot torpedo launcher",-1,-1,-1
"(I) LRM 2 (T) (OS)","2",85,2,1,4,6000,6,"7","14","21",2,"One-shot torpedo launcher",-1,-1,-1
"(C) LRM 3","3",105,3,1,35,18000,6,"7","14","21",2,"-1",2,1500,24
"(I) LRM 3","3",180,3,1,27,18000,6,"7","14","21",2,"-1",2,1500,24
"(C) LRM 3 (D)","3",75,3,1,7,18000,6,"7","14","21",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) LRM 3 (D)","3",125,3,1,5,18000,6,"7","14","21",2,"Detachable one-shot missile pack",-1,-1,-1
"(C) LRM 3 (OS)","3",75,3,1,7,9000,6,"7","14","21",2,"One-shot launcher",-1,-1,-1
"(I) LRM 3 (OS)","3",125,3,1,5,9000,6,"7","14","21",2,"One-shot launcher",-1,-1,-1
"(C) LRM 3 (T)","3",105,3,1,35,18000,6,"7","14","21",2,"Torpedo launcher for underwater use",2,1500,24
"(I) LRM 3 (T)","3",180,3,1,27,18000,6,"7","14","21",2,"Torpedo launcher for underwater use",2,1500,24
"(C) LRM 3 (T) (OS)","3",75,3,1,7,9000,6,"7","14","21",2,"One-shot torpedo launcher",-1,-1,-1
"(I) LRM 3 (T) (OS)","3",125,3,1,5,9000,6,"7","14","21",2,"One-shot torpedo launcher",-1,-1,-1
"(C) LRM 4","4",140,3,1,47,24000,6,"7","14","21",2,"-1",2,2000,32
"(I) LRM 4","4",240,3,1,36,24000,6,"7","14","21",2,"-1",2,2000,32
"(C) LRM 4 (D)","4",100,3,1,9,24000,6,"7","14","21",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) LRM 4 (D)","4",170,3,1,7,24000,6,"7","14","21",2,"Detachable one-shot missile pack",-1,-1,-1
"(C) LRM 4 (OS)","4",100,3,1,9,12000,6,"7","14","21",2,"One-shot launcher",-1,-1,-1
"(I) LRM 4 (OS)","4",170,3,1,7,12000,6,"7","14","21",2,"One-shot launcher",-1,-1,-1
"(C) LRM 4 (T)","4",140,3,1,47,24000,6,"7","14","21",2,"Torpedo launcher for underwater use",2,2000,32
"(I) LRM 4 (T)","4",240,3,1,36,24000,6,"7","14","21",2,"Torpedo launcher for underwater use",2,2000,32
"(C) LRM 4 (T) (OS)","4",100,3,1,9,12000,6,"7","14","21",2,"One-shot torpedo launcher",-1,-1,-1
"(I) LRM 4 (T) (OS)","4",170,3,1,7,12000,6,"7","14","21",2,"One-shot torpedo launcher",-1,-1,-1
"(C) LRM 5","5",175,3,2,58,30000,6,"7","14","21",2,"-1",2,2500,40
"(I) LRM 5","5",300,4,2,45,30000,6,"7","14","21",2,"-1",2,2500,40
"(C) LRM 5 (D)","5",125,3,2,12,30000,6,"7","14","21",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) LRM 5 (D)","5",210,4,2,9,30000,6,"7","14","21",2,"Detachable one-shot missile pack",-1,-1,-1
"(C) LRM 5 (OS)","5",125,3,2,12,15000,6,"7","14","21",2,"One-shot launcher",-1,-1,-1
"(I) LRM 5 (OS)","5",210,4,2,9,15000,6,"7","14","21",2,"One-shot launcher",-1,-1,-1
"(C) LRM 5 (T)","5",175,3,2,58,30000,6,"7","14","21",2,"Torpedo launcher for underwater use",2,2500,40
"(I) LRM 5 (T)","5",300,4,2,45,30000,6,"7","14","21",2,"Torpedo launcher for underwater use",2,2500,40
"(C) LRM 5 (T) (OS)","5",125,3,2,12,15000,6,"7","14","21",2,"One-shot torpedo launcher",-1,-1,-1
"(I) LRM 5 (T) (OS)","5",210,4,2,9,15000,6,"7","14","21",2,"One-shot torpedo launcher",-1,-1,-1
"(C) Micro Bomb Rack","2",100,2,0,11,30000,-1,"-1","-1","-1",2,"-1",2,2000,20
"(I) Micro Bomb Rack","2",125,2,0,11,30000,-1,"-1","-1","-1",2,"-1",2,2000,20
"(I) MRM 1","1",60,1,1,9,5000,-1,"3","8","15",2,"-1",2,50,10
"(I) MRM 1 (D)","1",40,1,1,2,5000,-1,"3","8","15",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) MRM 1 (OS)","1",40,1,1,2,2500,-1,"3","8","15",2,"One-shot launcher",-1,-1,-1
"(I) MRM 2","2",120,2,1,9,10000,-1,"3","8","15",2,"-1",2,100,10
"(I) MRM 2 (D)","2",75,2,1,2,10000,-1,"3","8","15",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) MRM 2 (OS)","2",75,2,1,2,5000,-1,"3","8","15",2,"One-shot launcher",-1,-1,-1
"(I) MRM 3","3",180,2,2,17,15000,-1,"3","8","15",2,"-1",2,150,12
"(I) MRM 3 (D)","3",110,2,2,3,15000,-1,"3","8","15",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) MRM 3 (OS)","3",110,2,2,3,7500,-1,"3","8","15",2,"One-shot launcher",-1,-1,-1
"(I) MRM 4","4",240,3,2,22,20000,-1,"3","8","15",2,"-1",2,200,16
"(I) MRM 4 (D)","4",150,3,2,4,20000,-1,"3","8","15",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) MRM 4 (OS)","4",150,3,2,4,10000,-1,"3","8","15",2,"One-shot launcher",-1,-1,-1
"(I) MRM 5","5",300,3,2,28,25000,-1,"3","8","15",2,"-1",2,250,20
"(I) MRM 5 (D)","5",175,3,2,6,25000,-1,"3","8","15",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) MRM 5 (OS)","5",175,3,2,6,12500,-1,"3","8","15",2,"One-shot launcher",-1,-1,-1
"(C) SRM 1","2",45,1,1,15,5000,-1,"3","6","9",2,"-1",2,540,10
"(I) SRM 1","2",60,1,1,15,5000,-1,"3","6","9",2,"-1",2,540,10
"(C) SRM 1 (D)","2",30,1,1,3,5000,-1,"3","6","9",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) SRM 1 (D)","2",40,1,1,3,5000,-1,"3","6","9",2,"Detachable one-shot missile pack",-1,-1,-1
"(C) SRM 1 (OS)","2",30,1,1,3,2500,-1,"3","6","9",2,"One-shot launcher",-1,-1,-1
"(I) SRM 1 (OS)","2",40,1,1,3,2500,-1,"3","6","9",2,"One-shot launcher",-1,-1,-1
"(C) SRM 1 (T)","2",45,1,1,15,5000,-1,"3","6","9",2,"Torpedo launcher for underwater use",2,540,10
"(I) SRM 1 (T)","2",60,1,1,15,5000,-1,"3","6","9",2,"Torpedo launcher for underwater use",2,540,10
"(C) SRM 1 (T) (OS)","2",30,1,1,3,2500,-1,"3","6","9",2,"One-shot torpedo launcher",-1,-1,-1
"(I) SRM 1 (T) (OS)","2",40,1,1,3,2500,-1,"3","6","9",2,"One-shot torpedo launcher",-1,-1,-1
"(C) SRM 2","4",90,2,2,21,10000,-1,"3","6","9",2,"-1",2,1080,16
"(I) SRM 2","4",120,2,2,21,10000,-1,"3","6","9",2,"-1",2,1080,16
"(C) SRM 2 (D)","4",55,2,2,4,10000,-1,"3","6","9",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) SRM 2 (D)","4",75,2,2,4,10000,-1,"3","6","9",2,"Detachable one-shot missile pack",-1,-1,-1
"(C) SRM 2 (OS)","4",55,2,2,4,5000,-1,"3","6","9",2,"One-shot launcher",-1,-1,-1
"(I) SRM 2 (OS)","4",75,2,2,4,5000,-1,"3","6","9",2,"One-shot launcher",-1,-1,-1
"(C) SRM 2 (T)","4",90,2,2,21,10000,-1,"3","6","9",2,"Torpedo launcher for underwater use",2,1080,16
"(I) SRM 2 (T)","4",120,2,2,21,10000,-1,"3","6","9",2,"Torpedo launcher for underwater use",2,1080,16
"(C) SRM 2 (T) (OS)","4",55,2,2,4,5000,-1,"3","6","9",2,"One-shot torpedo launcher",-1,-1,-1
"(I) SRM 2 (T) (OS)","4",75,2,2,4,5000,-1,"3","6","9",2,"One-shot torpedo launcher",-1,-1,-1
"(C) SRM 3","6",135,2,2,30,15000,-1,"3","6","9",2,"-1",2,1620,24
"(I) SRM 3","6",180,2,2,30,15000,-1,"3","6","9",2,"-1",2,1620,24
"(C) SRM 3 (D)","6",85,2,2,6,15000,-1,"3","6","9",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) SRM 3 (D)","6",110,2,2,6,15000,-1,"3","6","9",2,"Detachable one-shot missile pack",-1,-1,-1
"(C) SRM 3 (OS)","6",85,2,2,6,7500,-1,"3","6","9",2,"One-shot launcher",-1,-1,-1
"(I) SRM 3 (OS)","6",110,2,2,6,7500,-1,"3","6","9",2,"One-shot launcher",-1,-1,-1
"(C) SRM 3 (T)","6",135,2,2,30,15000,-1,"3","6","9",2,"Torpedo launcher for underwater use",2,1620,24
"(I) SRM 3 (T)","6",180,2,2,30,15000,-1,"3","6","9",2,"Torpedo launcher for underwater use",2,1620,24
"(C) SRM 3 (T) (OS)","6",85,2,2,6,7500,-1,"3","6","9",2,"One-shot torpedo launcher",-1,-1,-1
"(I) SRM 3 (T) (OS)","6",110,2,2,6,7500,-1,"3","6","9",2,"One-shot torpedo launcher",-1,-1,-1
"(C) SRM 4","8",180,2,3,39,20000,-1,"3","6","9",2,"-1",2,2160,32
"(I) SRM 4","8",240,2,3,39,20000,-1,"3","6","9",2,"-1",2,2160,32
"(C) SRM 4 (D)","8",110,3,3,8,20000,-1,"3","6","9",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) SRM 4 (D)","8",150,3,3,8,20000,-1,"3","6","9",2,"Detachable one-shot missile pack",-1,-1,-1
"(C) SRM 4 (OS)","8",110,3,3,8,10000,-1,"3","6","9",2,"One-shot launcher",-1,-1,-1
"(I) SRM 4 (OS)","8",150,3,3,8,10000,-1,"3","6","9",2,"One-shot launcher",-1,-1,-1
"(C) SRM 4 (T)","8",180,2,3,39,20000,-1,"3","6","9",2,"Torpedo launcher for underwater use",2,2160,32
"(I) SRM 4 (T)","8",240,2,3,39,20000,-1,"3","6","9",2,"Torpedo launcher for underwater use",2,2160,32
"(C) SRM 4 (T) (OS)","8",110,3,3,8,10000,-1,"3","6","9",2,"One-shot torpedo launcher",-1,-1,-1
"(I) SRM 4 (T) (OS)","8",150,3,3,8,10000,-1,"3","6","9",2,"One-shot torpedo launcher",-1,-1,-1
"(C) SRM 5","10",225,3,4,47,25000,-1,"3","6","9",2,"-1",2,2700,40
"(I) SRM 5","10",300,3,4,47,25000,-1,"3","6","9",2,"-1",2,2700,40
"(C) SRM 5 (D)","10",130,3,4,9,25000,-1,"3","6","9",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) SRM 5 (D)","10",175,3,4,9,25000,-1,"3","6","9",2,"Detachable one-shot missile pack",-1,-1,-1
"(C) SRM 5 (OS)","10",130,3,4,9,12500,-1,"3","6","9",2,"One-shot launcher",-1,-1,-1
"(I) SRM 5 (OS)","10",175,3,4,9,12500,-1,"3","6","9",2,"One-shot launcher",-1,-1,-1
"(C) SRM 5 (T)","10",225,3,4,47,25000,-1,"3","6","9",2,"Torpedo launcher for underwater use",2,2700,40
"(I) SRM 5 (T)","10",300,3,4,47,25000,-1,"3","6","9",2,"Torpedo launcher for underwater use",2,2700,40
"(C) SRM 5 (T) (OS)","10",130,3,4,9,12500,-1,"3","6","9",2,"One-shot torpedo launcher",-1,-1,-1
"(I) SRM 5 (T) (OS)","10",175,3,4,9,12500,-1,"3","6","9",2,"One-shot torpedo launcher",-1,-1,-1
"(C) SRM 6","12",270,3,4,59,30000,-1,"3","6","9",2,"-1",2,3240,48
"(I) SRM 6","12",360,3,4,59,30000,-1,"3","6","9",2,"-1",2,3240,48
"(C) SRM 6 (D)","12",160,3,4,12,30000,-1,"3","6","9",2,"Detachable one-shot missile pack",-1,-1,-1
"(I) SRM 6 (D)","12",210,3,4,12,30000,-1,"3","6","9",2,"Detachable one-shot missile pack",-1,-1,-1
"(C) SRM 6 (OS)","12",160,3,4,12,15000,-1,"3","6","9",2,"One-shot launcher",-1,-1,-1
"(I) SRM 6 (OS)","12",210,3,4,12,15000,-1,"3","6","9",2,"One-shot launcher",-1,-1,-1
"(C) SRM 6 (T)","12",270,3,4,59,30000,-1,"3","6","9",2,"Torpedo launcher for underwater use",2,3240,48
"(I) SRM 6 (T)","12",360,3,4,59,30000,-1,"3","6","9",2,"Torpedo launcher for underwater use",2,3240,48
"(C) SRM 6 (T) (OS)","12",160,3,4,12,15000,-1,"3","6","9",2,"One-shot torpedo launcher",-1,-1,-1
"(I) SRM 6 (T) (OS)","12",210,3,4,12,15000,-1,"3","6","9",2,"One-shot torpedo launcher",-1,-1,-1
"(C) Angel ECM Suite","-1",150,3,-1,100,750000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"(I) Angel ECM Suite","-1",250,3,-1,100,750000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Anti-Personnel Weapon Mount","-1",5,1,-1,-1,2500,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Armored Glove","-1",0,1,-1,-1,2500,-1,"-1","-1","-1",3,"Manipulator",-1,-1,-1
"Battle Claw","-1",15,1,-1,-1,10000,-1,"-1","-1","-1",3,"Manipulator",-1,-1,-1
"Bomb Rack","-1",100,2,-1,-1,30000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Camo System","-1",200,2,-1,-1,50000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Cargo Lifter","-1",30,1,-1,-1,5000,-1,"-1","-1","-1",3,"Manipulator adaptation",-1,-1,-1
"Claws and Magnetic Clamps","-1",35,1,-1,1.5,12500,-1,"-1","-1","-1",3,"Manipulator",-1,-1,-1
"Cutting Torch","-1",5,1,-1,-1,1000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Detachable Weapon Pack","-1",30,1,-1,-1,10000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"(C) ECM Suite","-1",75,1,-1,-1,50000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"(I) ECM Suite","-1",100,1,-1,-1,50000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Extended Life Support","-1",25,1,-1,-1,10000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Fuel Tank","-1",50,1,-1,-1,500,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Heat Sensor","-1",20,1,-1,-1,15000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Heavy Battle Claw","-1",20,1,-1,-1,25000,-1,"-1","-1","-1",3,"Manipulator",-1,-1,-1
"(C) Improved Sensors","-1",45,1,-1,-1,200000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"(I) Improved Sensors","-1",65,1,-1,-1,35000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Industrial Drill","-1",30,1,-1,-1,7500,-1,"-1","-1","-1",3,"Manipulator adaptation",-1,-1,-1
"Jump Booster","-1",125,2,-1,-1,75000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Laser Microphone","-1",5,1,-1,-1,750,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"(C) Light Active Probe","-1",150,1,-1,-1,50000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"(I) Light Active Probe","-1",250,2,-1,-1,50000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Magnetic Clamps","-1",30,1,-1,1,2500,-1,"-1","-1","-1",3,"Manipulator",-1,-1,-1
"Manipulator","-1",0,1,-1,-1,5000,-1,"-1","-1","-1",3,"Manipulator",-1,-1,-1
"Mechanical Jump Booster","-1",75,2,-1,-1,60000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Mine Clearance Equipment","-1",30,1,-1,-1,10000,-1,"-1","-1","-1",3,"Manipulator adaptation",-1,-1,-1
"Mine Dispenser","-1",50,2,-1,8,20000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Mission Equipment Storage","-1",20,1,-1,-1,750,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Modular Equipment Adaptor","-1",10,2,-1,-1,10000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Myomer Booster","-1",250,3,-1,-1,100000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Para Foil","-1",35,1,-1,-1,3000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Partial Wing","-1",200,1,-1,-1,50000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Power Pack","-1",25,1,-1,-1,1000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Remote Sensor Dispenser","-1",40,1,-1,-1,7500,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Salvage Arm","-1",30,1,-1,-1,50000,-1,"-1","-1","-1",3,"Manipulator",-1,-1,-1
"Searchlight","-1",5,1,-1,-1,500,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Space Operations Adaptation","-1",100,1,-1,-1,50000,-1,"-1","-1","-1",3,"-1",-1,-1,-1
"Vibro-Claws","1",50,1,-1,1,15000,-1,"-1","-1","-1",3,"Manipulator",-1,-1,-1
"Vibro-Shovel","-1",30,1,-1,-1,5000,-1,"-1","-1","-1",3,"Manipulator adaptation",-1,-1,-1
"Active Mine","10",25,1,-1,-1,2000,-1,"-1","-1","-1",4,"Load for the Mine Dispenser",-1,-1,-1
"Cluster Bomb","5",50,1,-1,-1,1500,-1,"-1","-1","-1",4,"Load for the Bomb Rack",-1,-1,-1
"Command-Detonated Mine","10",25,1,-1,-1,2000,-1,"-1","-1","-1",4,"Load for the Mine Dispenser",-1,-1,-1
"Conventional Mine","10",25,1,-1,-1,1000,-1,"-1","-1","-1",4,"Load for the Mine Dispenser",-1,-1,-1
"EMP Mine","-1",25,1,-1,-1,5000,-1,"-1","-1","-1",4,"Load for the Mine Dispenser",-1,-1,-1
"Flare Grenades","-1",10,1,-1,-1,300,-1,"-1","-1","-1",4,"Special munition for grenade launchers",-1,-1,-1
"High-Explosive Bomb","10",50,1,-1,-1,1000,-1,"-1","-1","-1",4,"Load for the Bomb Rack",-1,-1,-1
"Inferno Bomb","-1",50,1,-1,-1,1500,-1,"-1","-1","-1",4,"Load for the Bomb Rack",-1,-1,-1
"Inferno Mine","-1",25,1,-1,-1,1500,-1,"-1","-1","-1",4,"Load for the Mine Dispenser",-1,-1,-1
"Laser-Guided Bomb","10",50,1,-1,-1,3000,-1,"-1","-1","-1",4,"Load for the Bomb Rack",-1,-1,-1
"LRM Dead-Fire Missiles","-1",20,1,-1,-1,2500,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Follow-the-Leader Missiles","-1",20,1,-1,-1,3000,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Fragmentation Missiles","-1",20,1,-1,-1,1500,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Heat-Seeking Missiles","-1",20,1,-1,-1,2000,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Incendiary Missiles","-1",20,1,-1,-1,1500,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Listen-Kill Missiles","-1",20,1,-1,-1,2500,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Mine Clearance Missiles","-1",20,1,-1,-1,1500,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Semi-Guided Missiles","-1",20,1,-1,-1,3000,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Smoke Missiles","-1",20,1,-1,-1,1000,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Swarm Missiles","-1",20,1,-1,-1,3000,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Thunder Missiles","-1",20,1,-1,-1,1500,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Thunder-Active Missiles","-1",20,1,-1,-1,2500,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Thunder-Augmented Missiles","-1",20,1,-1,-1,2500,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Thunder-Inferno Missiles","-1",20,1,-1,-1,2500,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"LRM Thunder-Vibrabomb Missiles","-1",20,1,-1,-1,2500,-1,"-1","-1","-1",4,"Special munition for LRM launchers",-1,-1,-1
"Mortar Airburst Shells","-1",20,1,-1,-1,500,-1,"-1","-1","-1",4,"Special munition for mortars",-1,-1,-1
"Mortar Anti-Personnel Shells","-1",20,1,-1,-1,500,-1,"-1","-1","-1",4,"Special munition for mortars",-1,-1,-1
"Mortar Armor-Piercing Shells","-1",20,1,-1,-1,750,-1,"-1","-1","-1",4,"Special munition for mortars",-1,-1,-1
"Mortar Flare Shells","-1",20,1,-1,-1,250,-1,"-1","-1","-1",4,"Special munition for mortars",-1,-1,-1
"Mortar Semi-Guided Shells","-1",20,1,-1,-1,1000,-1,"-1","-1","-1",4,"Special munition for mortars",-1,-1,-1
"Mortar Smoke Shells","-1",20,1,-1,-1,250,-1,"-1","-1","-1",4,"Special munition for mortars",-1,-1,-1
"Narc ECM Pods","-1",25,1,-1,-1,5000,-1,"-1","-1","-1",4,"Special munition for the Compact Narc",-1,-1,-1
"Narc Explosive Pods","-1",25,1,-1,-1,3000,-1,"-1","-1","-1",4,"Special munition for the Compact Narc",-1,-1,-1
"Narc Haywire Pods","-1",25,1,-1,-1,3000,-1,"-1","-1","-1",4,"Special munition for the Compact Narc",-1,-1,-1
"Narc Nemesis Pods","-1",25,1,-1,-1,3000,-1,"-1","-1","-1",4,"Special munition for the Compact Narc",-1,-1,-1
"Remote Sensor","-1",20,1,-1,-1,1500,-1,"-1","-1","-1",4,"Load for the Remote Sensor Dispenser",-1,-1,-1
"Smoke Grenades","-1",10,1,-1,-1,300,-1,"-1","-1","-1",4,"Special munition for grenade launchers",-1,-1,-1
"SRM Acid Missiles","-1",20,1,-1,-1,2500,-1,"-1","-1","-1",4,"Special munition for SRM launchers",-1,-1,-1
"SRM Anti-TSM Missiles","-1",20,1,-1,-1,2000,-1,"-1","-1","-1",4,"Special munition for SRM launchers",-1,-1,-1
"SRM Dead-Fire Missiles","-1",20,1,-1,-1,2500,-1,"-1","-1","-1",4,"Special munition for SRM launchers",-1,-1,-1
"SRM Fragmentation Missiles","-1",20,1,-1,-1,1500,-1,"-1","-1","-1",4,"Special munition for SRM launchers",-1,-1,-1
"SRM Heat-Seeking Missiles","-1",20,1,-1,-1,2000,-1,"-1","-1","-1",4,"Special munition for SRM launchers",-1,-1,-1
"SRM Inferno Missiles","-1",20,1,-1,-1,1500,-1,"-1","-1","-1",4,"Special munition for SRM launchers",-1,-1,-1
"SRM Listen-Kill Missiles","-1",20,1,-1,-1,2500,-1,"-1","-1","-1",4,"Special munition for SRM launchers",-1,-1,-1
"SRM Mine Clearance Missiles","-1",20,1,-1,-1,1500,-1,"-1","-1","-1",4,"Special munition for SRM launchers",-1,-1,-1
"SRM Tandem-Charge Missiles","-1",20,1,-1,-1,3000,-1,"-1","-1","-1",4,"Special munition for SRM launchers",-1,-1,-1
"Thunder Bomb","-1",50,1,-1,-1,2000,-1,"-1","-1","-1",4,"Load for the Bomb Rack",-1,-1,-1
"Vibrabomb Mine","10",25,1,-1,-1,1500,-1,"-1","-1","-1",4,"Load for the Mine Dispenser",-1,-1,-1
